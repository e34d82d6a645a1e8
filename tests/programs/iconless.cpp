// A program without any resources: the icon tests read it as the executable
// that has no icon of its own (Explorer shows the application icon for it).
// With the argument "window" it shows a window without icons until the window
// is closed or half a minute has passed.
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
  if (argc < 2 || std::strcmp(argv[1], "window") != 0) return 0;
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "StowpaneIconlessWindow";
  RegisterClassA(&windowClass);
  const HWND window = CreateWindowExA(0, windowClass.lpszClassName, "iconless", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                      nullptr, nullptr, windowClass.hInstance, nullptr);
  if (window == nullptr) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  SetTimer(window, 1, 30000, nullptr);
  MSG message;
  while (IsWindow(window) && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_TIMER) break;
    DispatchMessageA(&message);
  }
  return 0;
}
