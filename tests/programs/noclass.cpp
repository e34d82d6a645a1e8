// noclass.exe: asks the framework to register a window class the system
// refuses (a negative window extra), as a system out of class atoms would.
// The framework must end the process with its failure status; reaching the
// end of main means it did not.
#include <windows.h>

#include "framework/window/core/TWindow.h"

int main() {
  WNDCLASSA record;
  InitWindowClass(record);
  record.lpszClassName = "NoClassTestClass";
  record.cbWndExtra = -1;
  RegisterWindowClass(record);
  return 0;
}
