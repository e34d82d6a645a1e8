// curedemo.exe: the emergency window's end-Windows messages, for the
// screenshots; the call that would end Windows only prints its flags.
//
//   curedemo end      the choice of how to end Windows
//   curedemo force    the warning before a forced exit (the choice is made by the program itself)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/EmergencyCommands.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/Application.h"
#include "framework/window/TShape.h"

namespace {

BOOL StubExit(UINT flags, DWORD) {
  std::printf("exit flags %u\n", flags);
  return TRUE;
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

}  // namespace

int main(int argc, char** argv) {
  const bool force = argc > 1 && std::strcmp(argv[1], "force") == 0;
  CreateGlobalKeyLists(nullptr);
  TApplicationInfo info;
  info.name = "Stowpane";
  SetApplicationInfo(info);
  SetExitWindowsCall(StubExit);
  if (force) SetTimer(nullptr, 0, 50, ChooseForcedExit);
  const bool ending = EndWindows(nullptr);
  DestroyGlobalKeyLists();
  std::printf("%s\n", ending ? "ending" : "not ending");
  return 0;
}
