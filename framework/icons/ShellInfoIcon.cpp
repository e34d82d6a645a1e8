#include <windows.h>
#include <shellapi.h>

#include "framework/icons/ShellInfoIcon.h"

#include "framework/path/pure/PathText.h"

TIconHandle ShellInfoIcon(const TString& path, DWORD attributes, UINT flags) {
  SHFILEINFOA info = {};
  const DWORD_PTR found =
      SHGetFileInfoA(path.c_str(), attributes, &info, sizeof info, SHGFI_ICON | flags);
  // After a failure the icon field is not to be trusted: a shell may fill it
  // from a record it never initialised, and destroying that value could free
  // an icon that someone else holds.
  if (found == 0) return TIconHandle();
  return TIconHandle(info.hIcon);
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
