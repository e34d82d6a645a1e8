#include "framework/window/shapes/pure/Snapping.h"

#include <algorithm>
#include <cstdint>

namespace {

// The WMSZ_* values by the edges they drag.
bool DragsLeft(int edge) { return edge == 1 || edge == 4 || edge == 7; }
bool DragsRight(int edge) { return edge == 2 || edge == 5 || edge == 8; }
bool DragsTop(int edge) { return edge == 3 || edge == 4 || edge == 5; }
bool DragsBottom(int edge) { return edge == 6 || edge == 7 || edge == 8; }

bool Overlaps(int64_t low, int64_t high, int64_t areaLow, int64_t areaHigh) {
  return low <= areaHigh && high >= areaLow;
}

void SortUnique(std::vector<int>& lines) {
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
}

// The signed move that puts `edge` on the nearest of the sorted `lines`
// within `distance`; false when there is none.
bool FindSnap(int edge, const std::vector<int>& lines, int distance, int64_t& move) {
  if (distance < 0) return false;
  bool found = false;
  for (int line : lines) {
    const int64_t d = static_cast<int64_t>(line) - edge;
    const int64_t away = d < 0 ? -d : d;
    if (away > distance) continue;
    // Sorted lines: the first of two at one distance is the lower.
    if (!found || away < (move < 0 ? -move : move)) {
      move = d;
      found = true;
    }
  }
  return found;
}

// The move of one axis when the window keeps its size.
int64_t MoveOfAxis(int low, int high, const std::vector<int>& lines, int distance) {
  int64_t lowMove = 0, highMove = 0;
  const bool lowSnaps = FindSnap(low, lines, distance, lowMove);
  const bool highSnaps = FindSnap(high, lines, distance, highMove);
  if (lowSnaps && highSnaps) {
    const int64_t lowAway = lowMove < 0 ? -lowMove : lowMove;
    const int64_t highAway = highMove < 0 ? -highMove : highMove;
    return highAway < lowAway ? highMove : lowMove;
  }
  if (lowSnaps) return lowMove;
  if (highSnaps) return highMove;
  return 0;
}

int SnappedEdge(int edge, const std::vector<int>& lines, int distance) {
  int64_t move = 0;
  return FindSnap(edge, lines, distance, move) ? ClampToInt(edge + move) : edge;
}

}  // namespace

TSnapEdges CollectSnapEdges(const TRectangle& work, const std::vector<TRectangle>& windows) {
  TSnapEdges edges;
  edges.work = work;
  const int64_t inset = kSnapWorkAreaInset;
  edges.verticals = {work.left, work.right, ClampToInt(work.left + inset), ClampToInt(work.right - inset)};
  edges.horizontals = {work.top, work.bottom, ClampToInt(work.top + inset), ClampToInt(work.bottom - inset)};
  for (const TRectangle& window : windows) {
    if (window.Width() <= 0 || window.Height() <= 0) continue;
    if (Overlaps(window.top, window.bottom, work.top, work.bottom)) {
      for (int x : {window.left, window.right}) {
        if (x >= work.left && x <= work.right) edges.verticals.push_back(x);
      }
    }
    if (Overlaps(window.left, window.right, work.left, work.right)) {
      for (int y : {window.top, window.bottom}) {
        if (y >= work.top && y <= work.bottom) edges.horizontals.push_back(y);
      }
    }
  }
  SortUnique(edges.verticals);
  SortUnique(edges.horizontals);
  return edges;
}

TRectangle SnapMove(const TRectangle& moving, const TSnapEdges& edges, int distance) {
  // Each move is at most `distance`, an int, so it fits in one.
  int dx = static_cast<int>(MoveOfAxis(moving.left, moving.right, edges.verticals, distance));
  int dy = static_cast<int>(MoveOfAxis(moving.top, moving.bottom, edges.horizontals, distance));
  if (!CanOffset(moving, dx, 0)) dx = 0;
  if (!CanOffset(moving, 0, dy)) dy = 0;
  return Offset(moving, dx, dy);
}

TRectangle SnapSize(const TRectangle& sizing, int draggedEdge, const TSnapEdges& edges, int distance, int minWidth,
                    int minHeight) {
  TRectangle r = sizing;
  const int64_t width = std::max(minWidth, 0), height = std::max(minHeight, 0);
  if (DragsLeft(draggedEdge)) {
    r.left = SnappedEdge(r.left, edges.verticals, distance);
    if (static_cast<int64_t>(r.right) - r.left < width) r.left = ClampToInt(r.right - width);
  }
  if (DragsRight(draggedEdge)) {
    r.right = SnappedEdge(r.right, edges.verticals, distance);
    if (static_cast<int64_t>(r.right) - r.left < width) r.right = ClampToInt(r.left + width);
  }
  if (DragsTop(draggedEdge)) {
    r.top = SnappedEdge(r.top, edges.horizontals, distance);
    if (static_cast<int64_t>(r.bottom) - r.top < height) r.top = ClampToInt(r.bottom - height);
  }
  if (DragsBottom(draggedEdge)) {
    r.bottom = SnappedEdge(r.bottom, edges.horizontals, distance);
    if (static_cast<int64_t>(r.bottom) - r.top < height) r.bottom = ClampToInt(r.top + height);
  }
  return r;
}
