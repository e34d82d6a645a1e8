#include <windows.h>

#include "framework/util/RebarTaskbar.h"

namespace {
// -1 until the first question, then 0 or 1.
int rebarTaskbar = -1;

bool FindRebarTaskbar() {
  // The shell's own windows carry empty titles; asking for "" (not NULL) keeps
  // a program that merely borrows the class name from being taken for it.
  HWND tray = FindWindowA("Shell_TrayWnd", "");
  if (tray == nullptr) return false;
  return FindWindowExA(tray, nullptr, "ReBarWindow32", "") != nullptr;
}
}  // namespace

bool HasRebarTaskbar() {
  if (rebarTaskbar < 0) rebarTaskbar = FindRebarTaskbar() ? 1 : 0;
  return rebarTaskbar == 1;
}
