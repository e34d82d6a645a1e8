#pragma once
// The Windows, system and current folders, each ending with exactly one '\'
// (a drive root such as "C:\" is returned as it is). Empty when the system
// call fails.
#include "framework/text/TString.h"

TString WindowsFolder();
TString SystemFolder();
// The system folder as a 64-bit program sees it: under WOW64 the Windows
// folder's "Sysnative", through which a 32-bit program reaches the 64-bit
// system tools; elsewhere the system folder.
TString NativeSystemFolder();
TString CurrentFolder();
