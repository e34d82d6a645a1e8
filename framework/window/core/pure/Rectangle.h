#pragma once
// A window rectangle in screen pixels, as the placement and snapping
// arithmetic passes it around. Rectangles come from the registry and from
// other programs' windows, so nothing here trusts them: sizes are worked out
// in 64 bits and clamped, and a shift never overflows.
#include <climits>
#include <cstdint>

// The nearest int to `value`: where a 64-bit result lands back in a
// coordinate.
inline int ClampToInt(int64_t value) {
  if (value < INT_MIN) return INT_MIN;
  if (value > INT_MAX) return INT_MAX;
  return static_cast<int>(value);
}

struct TRectangle {
  int left = 0, top = 0, right = 0, bottom = 0;

  // Negative for an inverted rectangle; clamped to the int range.
  int Width() const { return ClampToInt(static_cast<int64_t>(right) - left); }
  int Height() const { return ClampToInt(static_cast<int64_t>(bottom) - top); }

  bool operator==(const TRectangle& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
  bool operator!=(const TRectangle& other) const { return !(*this == other); }
};

// Each coordinate stops at the int range, so a shift that would carry an
// edge past it shrinks the rectangle instead of wrapping around; callers
// that must keep the size check with CanOffset first.
inline TRectangle Offset(const TRectangle& r, int dx, int dy) {
  return TRectangle{ClampToInt(static_cast<int64_t>(r.left) + dx), ClampToInt(static_cast<int64_t>(r.top) + dy),
                    ClampToInt(static_cast<int64_t>(r.right) + dx), ClampToInt(static_cast<int64_t>(r.bottom) + dy)};
}

// True when Offset(r, dx, dy) keeps every edge exactly dx or dy away.
inline bool CanOffset(const TRectangle& r, int dx, int dy) {
  const auto fits = [](int a, int d) {
    const int64_t moved = static_cast<int64_t>(a) + d;
    return moved >= INT_MIN && moved <= INT_MAX;
  };
  return fits(r.left, dx) && fits(r.right, dx) && fits(r.top, dy) && fits(r.bottom, dy);
}
