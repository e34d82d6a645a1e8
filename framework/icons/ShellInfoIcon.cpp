#include <windows.h>
#include <shellapi.h>

#include "framework/icons/ShellInfoIcon.h"

#include "framework/path/pure/PathText.h"

TIconHandle ShellInfoIcon(const TString& path, DWORD attributes, UINT flags) {
  SHFILEINFOA info = {};
  const DWORD_PTR found =
      SHGetFileInfoA(path.c_str(), attributes, &info, sizeof info, SHGFI_ICON | flags);
  // Whatever icon the call left behind is ours to destroy, even on failure.
  TIconHandle icon(info.hIcon);
  if (found == 0) icon.Reset();
  return icon;
}

bool ShellHasIcon(const TString& path, DWORD attributes, UINT flags) {
  return static_cast<bool>(ShellInfoIcon(path, attributes, flags));
}

TIconHandle ShellTypeInfoIcon(const TString& path, UINT flags) {
  flags |= SHGFI_USEFILEATTRIBUTES;
  if (!path.IsEmpty() && FileNamePart(path).IsEmpty()) {
    // The final '\' is one byte: a trail byte 0x5C never ends a file-name part.
    return ShellInfoIcon(TString(path.c_str(), path.Length() - 1), FILE_ATTRIBUTE_DIRECTORY, flags);
  }
  return ShellInfoIcon(path, FILE_ATTRIBUTE_ARCHIVE, flags);
}
