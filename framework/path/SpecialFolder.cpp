#include <windows.h>
#include <shlobj.h>

#include "framework/path/SpecialFolder.h"

#include "framework/base/Owners.h"
#include "framework/path/pure/FinalBackslash.h"

TString SpecialFolder(int csidl) {
  TShellItemList items;
  if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, items.Receive())) || !items) {
    return TString();
  }
  char path[MAX_PATH + 1] = {};
  if (!SHGetPathFromIDListA(items.Get(), path)) return TString();
  return WithFinalBackslash(TString(path));
}
