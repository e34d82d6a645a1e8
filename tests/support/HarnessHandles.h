#pragma once
// The owners the harness and the test programs hold, on the product's owner
// template: kernel objects come from Owners.h; a window the test made is
// destroyed with its owner (the product's windows belong to window objects).
#include <windows.h>

#include "framework/base/Owners.h"

struct TTestWindowTraits {
  using Handle = HWND;
  static void Free(HWND window) { DestroyWindow(window); }
};
using TTestWindow = TUniqueHandle<TTestWindowTraits>;

// CreateFile reports failure as INVALID_HANDLE_VALUE: the owner holds null then.
inline TKernelHandle TakeFile(HANDLE file) {
  return TKernelHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}
