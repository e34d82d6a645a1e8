#pragma once
// Where a shape reopens: the record its placement is remembered in, and the
// arithmetic that turns a saved rectangle into one that fits today's screen
// (kept size for fixed-size windows, the work-area margin, cascading over
// windows of the same class, the centre and cursor positions). The Win32
// layer reads the screens and windows and applies the result; everything
// here is plain numbers so that it can be tested with any of them.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/window/core/pure/Rectangle.h"

// The 56-byte record a shape keeps its placement in (little-endian 32-bit
// fields): the 44-byte WINDOWPLACEMENT, the style, the extended style and the
// position mode.
constexpr size_t kPlacementRecordSize = 56;
constexpr uint32_t kWindowPlacementLength = 44;
constexpr uint32_t kPositionCentre = 0xF667, kPositionCursor = 0xF668, kPositionHere = 0xF669;

// The show commands and style bits the record carries, by their Win32 values.
constexpr uint32_t kShowHide = 0, kShowNormal = 1, kShowMinimized = 2, kShowMaximized = 3, kShowShow = 5,
                   kShowMinimize = 6, kShowMinNoActive = 7, kShowForceMinimize = 11;
constexpr uint32_t kStyleMinimize = 0x20000000, kStyleVisible = 0x10000000, kStyleDisabled = 0x08000000,
                   kStyleMaximize = 0x01000000;

// The system keeps window coordinates within 16 bits, so a normal rectangle
// beyond them never came from a window.
constexpr int kPlacementCoordinateMin = -32768, kPlacementCoordinateMax = 32767;

struct TPlacementRecord {
  uint32_t length = 44, flags = 0, showCommand = 0;
  int32_t minX = 0, minY = 0, maxX = 0, maxY = 0;
  TRectangle normal;
  uint32_t style = 0, exStyle = 0, positionMode = kPositionHere;
};

// Always 56 bytes; the length field is written as 44 whatever `record` says,
// so that what is written can always be read back.
std::vector<uint8_t> PlacementRecordBytes(const TPlacementRecord& record);

// False, leaving `out` alone, for anything but a sound record: null or not
// exactly 56 bytes, a length field other than 44, a show command beyond
// SW_MAX (11), a position mode other than the three, or a normal rectangle
// that is inverted or outside the 16-bit coordinate range. A shape whose
// record is refused opens at its default position and writes a good one the
// next time it is saved.
bool ParsePlacementRecord(const uint8_t* bytes, size_t size, TPlacementRecord& out);

// A window without a sizing frame keeps its current size: the saved left and
// top edges move by half the difference of the sizes, rounded toward zero
// (right and down when the window is now larger), and the right and bottom
// edges follow from the current size. Negative sizes count as 0; an inverted
// saved rectangle counts as empty at its top-left corner.
TRectangle KeepCurrentSize(const TRectangle& saved, int currentWidth, int currentHeight);

// Pulled inside the work area so that it keeps `margin` pixels (10 in the
// product) from each edge, the size kept. On an axis where the window and two
// margins do not fit, its left (top) edge goes to the margin: the caption and
// the system menu stay reachable. A margin below 0 counts as 0 and one over
// half the work area as that half; an inverted rectangle comes back empty at
// its top-left corner.
TRectangle KeepInsideWorkArea(const TRectangle& window, const TRectangle& work, int margin);

// A monitor as the system describes it: its whole rectangle and its work
// area (without the taskbar and other desk bands), both in screen coordinates.
struct TMonitorAreas {
  TRectangle monitor;
  TRectangle work;
};
// The work area of the monitor a rectangle belongs to, as the system picks
// the nearest monitor: the one it overlaps most, else the one closest to it
// (the first on a tie). A rectangle saved on a monitor that is gone comes
// onto the nearest one left. With no monitor at all, `fallback`.
TRectangle NearestWorkArea(const TRectangle& window, const std::vector<TMonitorAreas>& monitors,
                           const TRectangle& fallback);
// The normal rectangle of a window's placement is in workspace coordinates
// (whose origin is the top-left corner of the primary monitor's work area)
// unless the window is a tool window: with a taskbar at the top or the left
// they differ from screen coordinates, and mixing the two makes a window
// creep at each reopening. `workspaceOrigin` is (0, 0) for a tool window.
struct TPoint {
  int x = 0, y = 0;
};
inline TRectangle WorkspaceToScreen(const TRectangle& r, TPoint workspaceOrigin) {
  return Offset(r, workspaceOrigin.x, workspaceOrigin.y);
}
inline TRectangle ScreenToWorkspace(const TRectangle& r, TPoint workspaceOrigin) {
  return Offset(r, -workspaceOrigin.x, -workspaceOrigin.y);
}
// Moved right and down by `step` (caption plus dialog frame) while it equals
// the rectangle of another window of the same class not yet matched, so that
// two shapes restored to one saved place do not hide each other. When its
// right edge passes the work area's right edge it starts again at the left
// edge; past the bottom, at the top edge. Each step uses up one of `others`,
// so it ends after at most others.size() steps. A negative step counts as 0.
TRectangle Cascade(const TRectangle& window, const std::vector<TRectangle>& others, int step, const TRectangle& work);

// Centred on the screen, the offset rounded toward zero (a window larger than
// the screen overhangs it equally, its top-left off the screen).
TRectangle CentredOn(const TRectangle& window, const TRectangle& screen);

// Its centre at the cursor, then on each axis kept 32 pixels from the screen's
// edges when the window plus 64 fits, else centred on that axis.
constexpr int kCursorEdgeDistance = 32;
TRectangle AtCursor(const TRectangle& window, int cursorX, int cursorY, const TRectangle& screen);

// The saved style takes WS_DISABLED and WS_VISIBLE from the window as it is
// now: showing the window is its owner's decision, not the record's. A
// visible window with show command 0 gets SW_SHOW and a hidden one gets 0. A
// dialog never reopens minimized (its owner would be disabled behind an icon):
// a minimizing command becomes SW_SHOWNORMAL, and WS_MINIMIZE and WS_MAXIMIZE
// follow the resulting command so that the style set after the placement
// agrees with it.
void TakeLiveState(TPlacementRecord& record, uint32_t currentStyle);
