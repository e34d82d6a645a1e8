// minimaltray.exe: the least a tray program is, as the yardstick for
// Stowpane's memory and idle cost: one hidden window, one tray icon, a
// message loop and nothing else. WM_CLOSE to its window (class
// "StowpaneMinimalTray") removes the icon and ends it.
//   minimaltray.exe [/activate]
// /activate makes the hidden window foreground once at the start, as
// Stowpane's start does with its main window: under Wine that activation
// alone brings in the input method's COM libraries.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr const char kClassName[] = "StowpaneMinimalTray";
constexpr UINT kIconId = 1;
constexpr UINT kIconMessage = WM_APP + 1;

NOTIFYICONDATAA IconRecord(HWND window) {
  NOTIFYICONDATAA record = {};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = window;
  record.uID = kIconId;
  return record;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    NOTIFYICONDATAA record = IconRecord(window);
    Shell_NotifyIconA(NIM_DELETE, &record);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassA(&windowClass)) return 4;
  HWND window = CreateWindowExA(0, kClassName, "minimaltray", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance,
                                nullptr);
  if (window == nullptr) return 5;
  NOTIFYICONDATAA record = IconRecord(window);
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kIconMessage;
  record.hIcon = LoadIconA(nullptr, IDI_APPLICATION);  // shared: never freed
  lstrcpynA(record.szTip, "minimaltray", sizeof record.szTip);
  if (!Shell_NotifyIconA(NIM_ADD, &record)) return 6;
  if (lstrcmpiA(commandLine, "/activate") == 0) SetForegroundWindow(window);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
