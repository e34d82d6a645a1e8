#include <windows.h>

// Snapping while the user moves or sizes a shape: the edges of the work area
// and of the other windows are collected once when the drag begins, and each
// rectangle the system proposes is passed through pure/Snapping.h.
#include <vector>

#include "framework/window/shapes/TShape.h"

namespace {

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Shift or the right mouse button lets the user place a window freely.
bool SnappingSuspended() { return KeyDown(VK_SHIFT) || KeyDown(VK_RBUTTON); }

struct TWindowCollection {
  HWND self;
  std::vector<TRectangle> rectangles;
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM parameter) {
  auto* collection = reinterpret_cast<TWindowCollection*>(parameter);
  if (window == collection->self || !IsWindowVisible(window) || IsIconic(window)) return TRUE;
  RECT rect{};
  if (GetWindowRect(window, &rect) && rect.right > rect.left && rect.bottom > rect.top) {
    collection->rectangles.push_back(TRectangle{rect.left, rect.top, rect.right, rect.bottom});
  }
  return TRUE;
}

TRectangle ToRectangle(const RECT& rect) { return TRectangle{rect.left, rect.top, rect.right, rect.bottom}; }
void CopyTo(const TRectangle& rectangle, RECT& rect) {
  rect = RECT{rectangle.left, rectangle.top, rectangle.right, rectangle.bottom};
}

}  // namespace

void TShape::BeginSnapping() {
  snapping_ = true;
  moveStart_ = WindowRectangle();
  RECT work{};
  if (!SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) GetWindowRect(GetDesktopWindow(), &work);
  TWindowCollection collection{handle_, {}};
  EnumWindows(CollectVisibleWindow, reinterpret_cast<LPARAM>(&collection));
  snapEdges_ = CollectSnapEdges(ToRectangle(work), collection.rectangles);
}

void TShape::SnapWhileMoving(RECT& rect) {
  if (!snapping_ || !moveSnapping_ || SnappingSuspended()) return;
  CopyTo(SnapMove(ToRectangle(rect), snapEdges_, kSnapDistance), rect);
}

void TShape::SnapWhileSizing(int edge, RECT& rect) {
  if (!snapping_ || !sizeSnapping_ || SnappingSuspended()) return;
  CopyTo(SnapSize(ToRectangle(rect), edge, snapEdges_, kSnapDistance, GetSystemMetrics(SM_CXMINTRACK),
                  GetSystemMetrics(SM_CYMINTRACK)),
         rect);
}

void TShape::EndSnapping() {
  if (!snapping_) return;
  snapping_ = false;
  // Esc held at the end takes the window back to where the drag began, and
  // nothing is remembered.
  if ((GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0) {
    SetWindowPos(handle_, nullptr, moveStart_.left, moveStart_.top, moveStart_.Width(), moveStart_.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    lastRectangle_ = moveStart_;
    return;
  }
  const TRectangle now = WindowRectangle();
  if (now != lastRectangle_) {
    lastRectangle_ = now;
    SavePlacement();
  }
}
