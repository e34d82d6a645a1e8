#pragma once
// The shape (message, dialog) this thread shows now: what a played user,
// acting from a timer inside the shape's own loop, answers. Header-only.
#include <windows.h>

#include "framework/window/shapes/TShape.h"

namespace thread_shapes_detail {
inline BOOL CALLBACK FindVisibleShape(HWND window, LPARAM found) {
  char name[32] = {};
  GetClassNameA(window, name, sizeof name);
  if (lstrcmpA(name, TShape::kClassName) == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}
}  // namespace thread_shapes_detail

// The first visible shape of the calling thread, or null.
inline HWND VisibleShapeOfThisThread() {
  HWND shape = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), thread_shapes_detail::FindVisibleShape, reinterpret_cast<LPARAM>(&shape));
  return shape;
}
