#include <windows.h>

#include "app/storing/NeverStored.h"

#include "app/storing/pure/CandidateFilter.h"

bool IsNeverStored(HWND window) {
  // Every window of the program is made on its one thread.
  if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) return true;
  if (GetAncestor(window, GA_ROOT) != window) return true;
  char name[256] = {};
  if (GetClassNameA(window, name, sizeof name) == 0) return false;
  return IsShellWindowClass(name);
}
