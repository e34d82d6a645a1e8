#pragma once
// The shell's icon for a path (SHGetFileInfoA with SHGFI_ICON). The shell
// makes a new icon for every call, which the caller must destroy; a bare
// "does the shell know it" test therefore destroys its icon at once.
#include <windows.h>

#include "framework/base/Owners.h"
#include "framework/text/TString.h"

// `flags` are added to SHGFI_ICON (SHGFI_SMALLICON, SHGFI_USEFILEATTRIBUTES).
TIconHandle ShellInfoIcon(const TString& path, DWORD attributes, UINT flags);
bool ShellHasIcon(const TString& path, DWORD attributes, UINT flags);

// What the shell shows for a name by type alone, without touching the disk:
// a path whose file-name part is empty (it ends with '\') names a folder,
// asked for as the path less that '\'; anything else a file.
TIconHandle ShellTypeInfoIcon(const TString& path, UINT flags);
