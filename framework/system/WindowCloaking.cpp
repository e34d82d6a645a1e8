#include <windows.h>

#include "framework/system/WindowCloaking.h"

#include "framework/system/LazyLibrary.h"

namespace {

constexpr DWORD kCloakedAttribute = 14;  // DWMWA_CLOAKED, from Windows 8 on

}  // namespace

bool IsWindowCloaked(HWND window) {
  // Systems that do not know the attribute (before Windows 8, Wine) fail the
  // call: no window is cloaked there.
  DWORD cloaked = 0;
  return SUCCEEDED(LazyDwmGetWindowAttribute(window, kCloakedAttribute, &cloaked, sizeof cloaked)) && cloaked != 0;
}
