#include <windows.h>

#include "app/storing/NeverStored.h"

namespace {

// The taskbar, the taskbars of further screens, and Wine's tray when it has
// no desktop window to sit in.
constexpr const char* kShellClasses[] = {"Shell_TrayWnd", "Shell_SecondaryTrayWnd", "__winex11_standalone_tray"};

}  // namespace

bool IsNeverStored(HWND window) {
  // Every window of the program is made on its one thread.
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return true;
  if (GetAncestor(window, GA_ROOT) != window) return true;
  char name[64] = {};
  if (GetClassNameA(window, name, sizeof name) == 0) return false;
  for (const char* shellClass : kShellClasses) {
    if (lstrcmpiA(name, shellClass) == 0) return true;
  }
  return false;
}
