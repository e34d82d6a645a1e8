// storedemo.exe: the menus of storing windows as the program shows them, for
// the pictures. Three windows on threads of their own stand for other
// programs (their icons can be read in-process, which Wine does not allow
// across processes).
//
//   storedemo tray X Y SECONDS     the tray menu with the three windows at the top
//   storedemo system X Y SECONDS   a stored window's system menu, opened from its icon
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

#include "app/AppState.h"
#include "app/Commands.h"
#include "app/storing/WindowStore.h"
#include "app/traymenus/StoredWindowMenus.h"
#include "app/traymenus/TrayMenu.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/menus/IconMenu.h"

namespace {

constexpr UINT kOpenMenu = WM_APP + 1;
constexpr UINT_PTR kEndTimer = 1;

struct Demo {
  bool system = false;
  POINT at{40, 40};
  TTrayMenu* tray = nullptr;
  HWND stored = nullptr;
};
Demo g_demo;

LRESULT CALLBACK HostProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RouteMenuMessage(msg, wParam, lParam, result)) return result;
  if (HandleIconMenuMessage(window, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case kOpenMenu:
      if (g_demo.system) {
        ShowStoredSystemMenu(g_demo.stored, g_demo.at);
      } else {
        g_demo.tray->Rebuild(window, 1);
        // As the program shows it by default: emergency standby on.
        CheckMenuItem(g_demo.tray->Menu(), kCommandStandbyCure, MF_BYCOMMAND | MF_CHECKED);
        TrackMenuForTarget(g_demo.tray->Menu(), window, false, g_demo.at);
      }
      PostQuitMessage(0);
      return 0;
    case kTrackedMenuClosedMessage:
      ForgetMenuTarget();
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

// One "other program's" window with a stock icon, pumping its own messages;
// a Unicode window when it has a wide title.
void RunForeignWindow(const char* title, const wchar_t* wideTitle, LPCSTR icon, int x, int y, HWND* made,
                      DWORD* thread, HANDLE ready) {
  *thread = GetCurrentThreadId();
  HWND window = wideTitle != nullptr
                    ? CreateWindowExW(0, L"StoreDemoWideWindow", wideTitle, WS_OVERLAPPEDWINDOW, x, y, 300, 160,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)
                    : CreateWindowExA(0, "StoreDemoWindow", title, WS_OVERLAPPEDWINDOW, x, y, 300, 160, nullptr,
                                      nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIconA(nullptr, icon)));
  SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(nullptr, icon)));
  ShowWindow(window, SW_SHOWNOACTIVATE);
  *made = window;
  SetEvent(ready);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
}

}  // namespace

int main(int argc, char** argv) {
  g_demo.system = argc > 1 && std::strcmp(argv[1], "system") == 0;
  int seconds = 20;
  if (argc > 4) {
    g_demo.at = {std::atoi(argv[2]), std::atoi(argv[3])};
    seconds = std::atoi(argv[4]);
  }
  CreateGlobalKeyLists(nullptr);
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "StoreDemoWindow";
  RegisterClassA(&windowClass);
  WNDCLASSW wideClass{};
  wideClass.lpfnWndProc = DefWindowProcW;
  wideClass.hInstance = windowClass.hInstance;
  wideClass.hbrBackground = windowClass.hbrBackground;
  wideClass.lpszClassName = L"StoreDemoWideWindow";
  RegisterClassW(&wideClass);
  windowClass.lpfnWndProc = HostProc;
  windowClass.lpszClassName = "StoreDemoHost";
  RegisterClassA(&windowClass);

  const struct {
    const char* title;
    const wchar_t* wideTitle;
    LPCSTR icon;
  } others[] = {{"無題 - メモ帳", nullptr, IDI_APPLICATION},
                {"見積書 & 請求書.txt", nullptr, IDI_INFORMATION},
                {"ﾀﾞｳﾝﾛｰﾄﾞ中\t(3/5)", nullptr, IDI_WARNING},
                {nullptr, L"\u0395\u03bb\u03bb\u03b7\u03bd\u03b9\u03ba\u03ac \u00b7 \u4e2d\u6587 \u00b7 "
                          L"\ud55c\uad6d\uc5b4 \u00b7 Caf\u00e9 \U0001F600",
                 IDI_QUESTION}};
  constexpr size_t kOthers = sizeof others / sizeof others[0];
  std::vector<HWND> windows(kOthers);
  std::vector<DWORD> threadIds(kOthers);
  std::vector<std::thread> threads;
  for (size_t i = 0; i < kOthers; ++i) {
    HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    threads.emplace_back(RunForeignWindow, others[i].title, others[i].wideTitle, others[i].icon,
                         420 + 30 * static_cast<int>(i),
                         300 + 40 * static_cast<int>(i), &windows[i], &threadIds[i], ready);
    WaitForSingleObject(ready, 5000);
    CloseHandle(ready);
  }
  HWND host = CreateWindowExA(WS_EX_TOOLWINDOW, "StoreDemoHost", "storedemo", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  AppState().mainWindow = host;
  {
    TTrayMenu tray;
    TWindowStore store(nullptr);
    g_demo.tray = &tray;
    if (g_demo.system) {
      store.StoreWindow(windows[1]);
      g_demo.stored = windows[1];
    }
    ShowWindow(host, SW_SHOWNA);
    SetTimer(host, kEndTimer, static_cast<UINT>(seconds) * 1000, nullptr);
    PostMessageA(host, kOpenMenu, 0, 0);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    store.RestoreAll();
  }
  for (DWORD id : threadIds) PostThreadMessageA(id, WM_QUIT, 0, 0);
  for (auto& thread : threads) thread.join();
  DestroyWindow(host);
  DestroyGlobalKeyLists();
  return 0;
}
