// Shows the tray menu as an icon menu, for pictures of it: the store-all and
// restore-all items grayed (nothing to store or restore), the settings item
// as the bold default and standby checked. The menu opens at the point given
// on the command line ("x y seconds", default 120 120 30) and the program
// ends after the seconds.
#include <windows.h>

#include <cstdio>
#include <memory>

#include "ResourceIds.h"
#include "framework/base/Owners.h"
#include "framework/icons/IconFactories.h"
#include "framework/window/menus/IconMenu.h"

namespace {

constexpr UINT kOpenMenu = WM_APP + 1;
constexpr UINT_PTR kEndTimer = 1;
int g_x = 120;
int g_y = 120;
HMENU g_tray = nullptr;

TIconSource* Own(const char* name) { return OwnResourceIcon(TResourceName(TString(name))); }

LRESULT CALLBACK DemoProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleIconMenuMessage(window, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case kOpenMenu:
      SetForegroundWindow(window);
      TrackPopupMenu(g_tray, TPM_LEFTALIGN | TPM_RIGHTBUTTON, g_x, g_y, 0, window, nullptr);
      PostMessageA(window, WM_NULL, 0, 0);
      PostQuitMessage(0);
      return 0;
    case WM_TIMER:
      if (wParam == kEndTimer) {
        EndMenu();
        PostQuitMessage(0);
      }
      return 0;
    default:
      return DefWindowProcA(window, msg, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  int seconds = 30;
  if (commandLine != nullptr) std::sscanf(commandLine, "%d %d %d", &g_x, &g_y, &seconds);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DemoProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "MenuDemo";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "MenuDemo", "menudemo", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                instance, nullptr);
  TMenuHandle root(LoadMenuA(instance, MAKEINTRESOURCEA(IDM_TRAY_MENU)));  // destroys the tray popup with it
  if (window == nullptr || !root) return 1;
  g_tray = GetSubMenu(root.Get(), 0);
  EnableMenuItem(g_tray, 106, MF_BYCOMMAND | MF_GRAYED);
  EnableMenuItem(g_tray, 107, MF_BYCOMMAND | MF_GRAYED);
  CheckMenuItem(g_tray, 109, MF_BYCOMMAND | MF_CHECKED);
  SetMenuDefaultItem(g_tray, 108, FALSE);
  auto menu = MakeIconMenu(g_tray, {ByCommand(199, Own("CLOSE_ICON")), ByCommand(905, StockIcon(32516)),
                                    ByCommand(901, ClassIcon("hlpfile")), ByCommand(109, Own("CURE_ICON")),
                                    ByCommand(108, Own("AUTOTRAYICON_ICON")), ByCommand(107, Own("ALLRESTORE_ICON")),
                                    ByCommand(106, Own("ALLTRAYICON_ICON"))});
  if (!AttachIconMenu(*menu)) return 1;
  ShowWindow(window, SW_SHOWNA);
  SetTimer(window, kEndTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  PostMessageA(window, kOpenMenu, 0, 0);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  menu.reset();
  DestroyWindow(window);
  return 0;
}
