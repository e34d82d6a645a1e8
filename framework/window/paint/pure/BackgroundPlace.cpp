#include "framework/window/paint/pure/BackgroundPlace.h"

#include <algorithm>
#include <climits>

namespace {

// 64-bit arithmetic: three quarters of a free space near INT_MAX, and a free
// space below INT_MIN (an area near INT_MIN less a poster), stay exact.
long long OffsetOf(int place, long long freeSpace) {
  switch (std::clamp(place, 0, 4)) {
    case 0:
      return 0;
    case 1:
      return freeSpace > 0 ? freeSpace / 4 : freeSpace / 2;
    case 2:
      return freeSpace / 2;
    case 3:
      return freeSpace > 0 ? 3 * freeSpace / 4 : freeSpace / 2;
    default:
      return freeSpace;
  }
}

int ClampToInt(long long value) { return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)); }

}  // namespace

int BackgroundOffset(int place, int freeSpace) { return ClampToInt(OffsetOf(place, freeSpace)); }

TBackgroundSpan PlaceBackground(int place, int areaStart, int areaLength, int posterLength, int origin) {
  const long long start = static_cast<long long>(areaStart) - origin;
  const long long length = std::max(areaLength, 0);
  return {ClampToInt(start + OffsetOf(place, length - posterLength)), ClampToInt(start),
          ClampToInt(start + length)};
}

TPosterSlice SlicePoster(const TBackgroundSpan& span, int posterLength, int limitStart, int limitEnd) {
  const long long posterEnd = static_cast<long long>(span.posterStart) + std::max(posterLength, 0);
  const long long start = std::max({static_cast<long long>(span.posterStart), static_cast<long long>(span.areaStart),
                                    static_cast<long long>(limitStart)});
  const long long end = std::min({posterEnd, static_cast<long long>(span.areaEnd), static_cast<long long>(limitEnd)});
  if (end <= start) return {0, 0, 0};
  // start is one of three ints and end - start is at most the poster's length.
  return {static_cast<int>(start), static_cast<int>(start - span.posterStart), static_cast<int>(end - start)};
}
