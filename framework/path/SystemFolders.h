#pragma once
// The Windows, system and current folders, each ending with exactly one '\'
// (a drive root such as "C:\" is returned as it is). Empty when the system
// call fails.
#include "framework/text/TString.h"

TString WindowsFolder();
TString SystemFolder();
TString CurrentFolder();
