#pragma once
// Edge snapping of a shape that the user moves or sizes: its edges are drawn
// to the work area's edges, to a line 8 pixels inside them, and to the edges
// of the other windows on the screen when they come within a few pixels, so
// that windows line up and dock against each other without pixel hunting.
// The Win32 layer collects the rectangles once when the drag begins and
// passes each WM_MOVING or WM_SIZING rectangle through here.
#include <vector>

#include "framework/window/core/pure/Rectangle.h"

constexpr int kSnapDistance = 7;
constexpr int kSnapWorkAreaInset = 8;

// The lines an edge may snap to: x of vertical edges, y of horizontal ones,
// each sorted and without repeats.
struct TSnapEdges {
  TRectangle work;
  std::vector<int> verticals;
  std::vector<int> horizontals;
};

// The work area, the work area inset by 8 on each side, and both edges of
// every window rectangle of non-zero size along each axis: a left edge may
// meet another window's right edge (the two sit side by side) as well as its
// left edge (they line up). An edge counts only where it lies within the work
// area (its line inside the area's span and its extent overlapping it), so
// windows on other screens do not pull. The moving window's own rectangle
// must not be among `windows`, or it would stick where the drag began.
TSnapEdges CollectSnapEdges(const TRectangle& work, const std::vector<TRectangle>& windows);

// Each axis on its own: the left and the right edge each look for the nearest
// line within `distance` (on a tie, the lower line); when both find one, the
// edge that moves less wins (on a tie, the left or top edge); the window moves
// by that much and keeps its size. A snap that would carry an edge past the
// int range is not taken; a negative distance never snaps.
TRectangle SnapMove(const TRectangle& moving, const TSnapEdges& edges, int distance);

// Only the dragged edges snap (`draggedEdge` is WMSZ_*: 1 left, 2 right, 3
// top, 4 top-left, 5 top-right, 6 bottom, 7 bottom-left, 8 bottom-right; any
// other value leaves the rectangle alone). Afterwards a dragged edge that
// left the window below minWidth x minHeight is put back at that size from
// the opposite edge, which the user is not moving. Negative minimums count as
// 0.
TRectangle SnapSize(const TRectangle& sizing, int draggedEdge, const TSnapEdges& edges, int distance, int minWidth,
                    int minHeight);
