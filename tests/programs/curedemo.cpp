// curedemo.exe: the emergency window's end-Windows and run-file messages, for
// the screenshots; the calls that would end Windows or run a program only
// print what they were given.
//
//   curedemo end       the choice of how to end Windows
//   curedemo force     the warning before a forced exit (the choice is made by the program itself)
//   curedemo run       the run-file message, with earlier texts planted in the registry
//   curedemo run-list  the same with the list of earlier texts open
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/emergency/EmergencyCommands.h"
#include "app/emergency/RunFileDialog.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/core/Application.h"
#include "framework/window/shapes/TShape.h"

namespace {

BOOL StubExit(UINT flags, DWORD) {
  std::printf("exit flags %u\n", flags);
  return TRUE;
}

bool StubRun(const TString& text, const TWindow*) {
  std::printf("run %s\n", text.c_str());
  return true;
}

// Files every Wine prefix has, so that each entry shows its own icon.
const char* const kEarlierTexts[] = {
    "C:\\windows\\notepad.exe",
    "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" about:blank",
    "C:\\windows\\regedit.exe",
    "C:\\windows\\win.ini",
    "C:\\windows\\system32",
    "C:\\windows\\system32\\winemine.exe",
    "C:\\windows\\command\\start.exe",
};

void PlantEarlierTexts() {
  HKEY list = nullptr;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Quillon\\Stowpane\\3.x\\CureExecuteList", 0, nullptr, 0,
                      KEY_WRITE, nullptr, &list, nullptr) != ERROR_SUCCESS) {
    return;
  }
  int index = 0;
  for (const char* text : kEarlierTexts) {
    char name[8];
    std::snprintf(name, sizeof name, "%06d", index++);
    RegSetValueExA(list, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1);
  }
  RegCloseKey(list);
  HKEY application = nullptr;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Quillon\\Stowpane\\3.x", 0, KEY_WRITE, &application) ==
      ERROR_SUCCESS) {
    RegSetValueExA(application, "CureExecuteTop", 0, REG_SZ, reinterpret_cast<const BYTE*>(kEarlierTexts[0]),
                   lstrlenA(kEarlierTexts[0]) + 1);
    RegCloseKey(application);
  }
}

BOOL CALLBACK FindShape(HWND window, LPARAM found) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, TShape::kClassName) == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// Once, inside the first message's loop: chooses the forced exit and confirms it.
void CALLBACK ChooseForcedExit(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND shape = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShape, reinterpret_cast<LPARAM>(&shape));
  if (shape == nullptr) return;
  KillTimer(nullptr, timer);
  std::vector<std::pair<LONG, HWND>> radios;
  for (HWND child = GetWindow(shape, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    RECT rect{};
    GetWindowRect(child, &rect);
    if ((GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_AUTORADIOBUTTON) radios.emplace_back(rect.top, child);
  }
  std::sort(radios.begin(), radios.end());
  if (!radios.empty()) SendMessageA(radios.back().second, BM_CLICK, 0, 0);
  SendMessageA(GetDlgItem(shape, IDOK), BM_CLICK, 0, 0);
}

// Once the message shows: opens the field's list, as F4 in its edit does.
void CALLBACK OpenList(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND shape = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindShape, reinterpret_cast<LPARAM>(&shape));
  if (shape == nullptr) return;
  KillTimer(nullptr, timer);
  PostMessageA(GetDlgItem(shape, 416), WM_KEYDOWN, VK_F4, 1);
}

}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "end";
  const bool force = std::strcmp(mode, "force") == 0;
  CreateGlobalKeyLists(nullptr);
  TApplicationInfo info;
  info.name = "Stowpane";
  SetApplicationInfo(info);
  if (std::strncmp(mode, "run", 3) == 0) {
    PlantEarlierTexts();
    SetRunCall(StubRun);
    if (std::strcmp(mode, "run-list") == 0) SetTimer(nullptr, 0, 300, OpenList);
    RunFileByName(nullptr);
    DestroyGlobalKeyLists();
    return 0;
  }
  SetExitWindowsCall(StubExit);
  if (force) SetTimer(nullptr, 0, 50, ChooseForcedExit);
  const bool ending = EndWindows(nullptr);
  DestroyGlobalKeyLists();
  std::printf("%s\n", ending ? "ending" : "not ending");
  return 0;
}
