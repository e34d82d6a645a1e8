#include <windows.h>

#include "tests/support/OpenMenuKeys.h"

#include "tests/support/WindowQueries.h"

HWND WaitForOpenMenu(DWORD processId, DWORD timeoutMs) {
  HWND menu = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : FindTopLevelWindows({"#32768", std::nullopt, processId})) {
          if (IsWindowVisible(window)) {
            menu = window;
            return true;
          }
        }
        return false;
      },
      timeoutMs);
  return menu;
}

bool PressKeysInOpenMenu(DWORD processId, const std::vector<UINT>& keys, DWORD timeoutMs) {
  HWND menu = WaitForOpenMenu(processId, timeoutMs);
  if (menu == nullptr) return false;
  for (UINT key : keys) {
    PostMessageA(menu, WM_KEYDOWN, key, 1);
    PostMessageA(menu, WM_KEYUP, key, 0xC0000001);
  }
  return true;
}
