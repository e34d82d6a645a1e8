#pragma once
// Where the background poster sits in the area it decorates, one axis at a
// time. The place counts quarters of the free space (area length less poster
// length) from the area's start: 0 puts the poster at the start, 4 at the
// end, so that its far edge meets the area's far edge. When the poster is
// larger than the area the free space is negative and the poster starts
// before the area; the inner places 1 and 3 then centre it like place 2, so
// that a poster too large for its window never drifts to one side.

// The poster's offset from the area's start. A place below 0 counts as 0 and
// one above 4 as 4 (the nearest end of the range); the result is exact for
// every int, with no overflow, and always lies between 0 and `freeSpace`.
int BackgroundOffset(int place, int freeSpace);

// One axis of a poster laid over an area, measured from an origin: where the
// poster starts, and the stretch [areaStart, areaEnd) it may cover. The
// poster is clipped to the area, so that an area smaller than the poster
// shows only the poster's far part and nothing around the area is touched.
struct TBackgroundSpan {
  int posterStart;
  int areaStart;
  int areaEnd;  // areaStart when the area is empty
};

// The span for an area of `areaLength` starting at `areaStart` and a poster
// of `posterLength` at `place`, measured from `origin` (0 for the device's
// own coordinates, a piece's start when the area is painted one piece at a
// time). A negative area length counts as an empty area. Computed without
// overflow; each edge is clamped to the int range, which lies far outside
// anything a device can show.
TBackgroundSpan PlaceBackground(int place, int areaStart, int areaLength, int posterLength, int origin);

// The part of the poster that shows along one axis: `length` pixels of the
// poster, from `posterOffset` pixels into it, drawn from `deviceStart`.
// Length 0 when nothing shows.
struct TPosterSlice {
  int deviceStart;
  int posterOffset;
  int length;
};

// The poster of `posterLength` placed by `span`, cut to the span's area and
// to [limitStart, limitEnd) (the bounds of a piece; INT_MIN and INT_MAX for
// none). A poster that shows nowhere costs its caller no drawing at all.
TPosterSlice SlicePoster(const TBackgroundSpan& span, int posterLength, int limitStart, int limitEnd);
