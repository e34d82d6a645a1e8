#include <windows.h>
#include <shlobj.h>

#include "app/emergency/StartupShortcut.h"

#include "framework/path/ShellLink.h"
#include "framework/path/SpecialFolder.h"

TString StartupShortcutPath() {
  const TString folder = SpecialFolder(CSIDL_STARTUP);
  if (folder.IsEmpty()) return TString();
  return folder + TString("Stowpane(システムトレイに常駐).lnk");
}

bool RegisterStartup(const TString& programPath) {
  const TString path = StartupShortcutPath();
  return !path.IsEmpty() && CreateShortcut(path, programPath, "/restore");
}

void UnregisterStartup() {
  const TString path = StartupShortcutPath();
  if (!path.IsEmpty()) DeleteFileA(path.c_str());
}
