#pragma once
// The file-system path of a shell special folder (CSIDL_*), ending with one
// '\'. Empty when the folder does not exist or has no path (virtual folders
// such as "My Computer").
#include "framework/text/TString.h"

TString SpecialFolder(int csidl);
