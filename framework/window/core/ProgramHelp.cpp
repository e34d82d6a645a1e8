#include <windows.h>

#include "framework/window/core/ProgramHelp.h"

#include <shellapi.h>

#include "framework/path/FileExists.h"
#include "framework/path/OpenManual.h"
#include "framework/system/SystemQueries.h"
#include "framework/window/core/Application.h"

namespace {

// Vista and later ship winhlp32.exe as a stub that only explains that the
// viewer is gone; Wine's is a real viewer.
bool WinHelpViewerPresent() {
  char folder[MAX_PATH];
  const UINT length = GetWindowsDirectoryA(folder, sizeof folder);
  if (length == 0 || length >= sizeof folder) return false;
  if (!FileExists(TString(folder) + TString("\\winhlp32.exe"))) return false;
  return (SystemVersionWord() >> 24) < 6 || RunsUnderWine();
}

}  // namespace

bool WinHelpUsable() {
  const TString& helpPath = Application().helpPath;
  return !helpPath.IsEmpty() && FileExists(helpPath) && WinHelpViewerPresent();
}

bool ShowProgramHelp(HWND owner, UINT winHelpCommand, ULONG_PTR winHelpData, const TString& section) {
  if (WinHelpUsable()) return WinHelpA(owner, Application().helpPath.c_str(), winHelpCommand, winHelpData) != FALSE;
  // Without a program path the manual would be looked for in the current folder.
  if (Application().programPath.IsEmpty()) return false;
  return OpenManual(Application().programPath, section);
}

bool OpenHelpFromCommandLine() {
  if (WinHelpUsable()) {
    const HINSTANCE opened =
        ShellExecuteA(nullptr, "open", Application().helpPath.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(opened) > 32) return true;
  }
  return OpenManual(Application().programPath, TString());
}
