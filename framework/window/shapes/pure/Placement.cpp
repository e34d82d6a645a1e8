#include "framework/window/shapes/pure/Placement.h"

#include <algorithm>
#include <cstdint>

namespace {

void PutWord(std::vector<uint8_t>& bytes, uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<uint8_t>(value >> shift));
}

uint32_t WordAt(const uint8_t* bytes, size_t offset) {
  return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

// Two's complement both ways without relying on implementation-defined casts.
uint32_t WordOf(int32_t value) { return static_cast<uint32_t>(value); }
int32_t SignedOf(uint32_t word) {
  return word <= INT32_MAX ? static_cast<int32_t>(word) : static_cast<int32_t>(word - 0x80000000u) + INT32_MIN;
}

bool IsPlacementCoordinate(int value) { return value >= kPlacementCoordinateMin && value <= kPlacementCoordinateMax; }

// A size that bad input may have made negative counts as nothing.
int64_t SpanOf(int64_t size) { return size < 0 ? 0 : size; }

// Half of `value`, rounded toward zero (C++ division already does).
int64_t HalfOf(int64_t value) { return value / 2; }

TRectangle RectangleAt(int64_t left, int64_t top, int64_t width, int64_t height) {
  return TRectangle{ClampToInt(left), ClampToInt(top), ClampToInt(left + width), ClampToInt(top + height)};
}

// Where an edge goes on one axis so that a span keeps `margin` from both ends
// of [low, high]: the near end wins when it does not fit.
int64_t KeepInside(int64_t start, int64_t span, int64_t low, int64_t high, int64_t margin) {
  const int64_t room = SpanOf(high - low);
  const int64_t m = std::min(std::max<int64_t>(margin, 0), room / 2);
  if (span + 2 * m > room) return low + m;
  if (start + span > high - m) start = high - m - span;
  if (start < low + m) start = low + m;
  return start;
}

// Centred on [low, high], the offset rounded toward zero.
int64_t CentreOn(int64_t span, int64_t low, int64_t high) { return low + HalfOf(SpanOf(high - low) - span); }

int64_t NearCursor(int64_t cursor, int64_t span, int64_t low, int64_t high) {
  const int64_t room = SpanOf(high - low);
  if (span + 2 * kCursorEdgeDistance > room) return CentreOn(span, low, high);
  const int64_t start = cursor - span / 2;
  return std::min(std::max(start, low + kCursorEdgeDistance), high - kCursorEdgeDistance - span);
}

bool IsMinimizing(uint32_t showCommand) {
  return showCommand == kShowMinimized || showCommand == kShowMinimize || showCommand == kShowMinNoActive ||
         showCommand == kShowForceMinimize;
}

}  // namespace

std::vector<uint8_t> PlacementRecordBytes(const TPlacementRecord& record) {
  std::vector<uint8_t> bytes;
  bytes.reserve(kPlacementRecordSize);
  PutWord(bytes, kWindowPlacementLength);
  PutWord(bytes, record.flags);
  PutWord(bytes, record.showCommand);
  PutWord(bytes, WordOf(record.minX));
  PutWord(bytes, WordOf(record.minY));
  PutWord(bytes, WordOf(record.maxX));
  PutWord(bytes, WordOf(record.maxY));
  PutWord(bytes, WordOf(record.normal.left));
  PutWord(bytes, WordOf(record.normal.top));
  PutWord(bytes, WordOf(record.normal.right));
  PutWord(bytes, WordOf(record.normal.bottom));
  PutWord(bytes, record.style);
  PutWord(bytes, record.exStyle);
  PutWord(bytes, record.positionMode);
  return bytes;
}

bool ParsePlacementRecord(const uint8_t* bytes, size_t size, TPlacementRecord& out) {
  if (bytes == nullptr || size != kPlacementRecordSize) return false;
  TPlacementRecord record;
  record.length = WordAt(bytes, 0);
  record.flags = WordAt(bytes, 4);
  record.showCommand = WordAt(bytes, 8);
  record.minX = SignedOf(WordAt(bytes, 12));
  record.minY = SignedOf(WordAt(bytes, 16));
  record.maxX = SignedOf(WordAt(bytes, 20));
  record.maxY = SignedOf(WordAt(bytes, 24));
  record.normal.left = SignedOf(WordAt(bytes, 28));
  record.normal.top = SignedOf(WordAt(bytes, 32));
  record.normal.right = SignedOf(WordAt(bytes, 36));
  record.normal.bottom = SignedOf(WordAt(bytes, 40));
  record.style = WordAt(bytes, 44);
  record.exStyle = WordAt(bytes, 48);
  record.positionMode = WordAt(bytes, 52);

  if (record.length != kWindowPlacementLength) return false;
  if (record.showCommand > kShowForceMinimize) return false;
  if (record.positionMode != kPositionCentre && record.positionMode != kPositionCursor &&
      record.positionMode != kPositionHere) {
    return false;
  }
  const TRectangle& r = record.normal;
  if (!IsPlacementCoordinate(r.left) || !IsPlacementCoordinate(r.top) || !IsPlacementCoordinate(r.right) ||
      !IsPlacementCoordinate(r.bottom)) {
    return false;
  }
  if (r.right < r.left || r.bottom < r.top) return false;
  out = record;
  return true;
}

TRectangle KeepCurrentSize(const TRectangle& saved, int currentWidth, int currentHeight) {
  const int64_t width = SpanOf(currentWidth), height = SpanOf(currentHeight);
  const int64_t savedWidth = SpanOf(static_cast<int64_t>(saved.right) - saved.left);
  const int64_t savedHeight = SpanOf(static_cast<int64_t>(saved.bottom) - saved.top);
  return RectangleAt(static_cast<int64_t>(saved.left) + HalfOf(width - savedWidth),
                     static_cast<int64_t>(saved.top) + HalfOf(height - savedHeight), width, height);
}

TRectangle KeepInsideWorkArea(const TRectangle& window, const TRectangle& work, int margin) {
  const int64_t width = SpanOf(static_cast<int64_t>(window.right) - window.left);
  const int64_t height = SpanOf(static_cast<int64_t>(window.bottom) - window.top);
  return RectangleAt(KeepInside(window.left, width, work.left, work.right, margin),
                     KeepInside(window.top, height, work.top, work.bottom, margin), width, height);
}

namespace {

// The overlap of two rectangles in square pixels; 0 when they do not meet.
int64_t OverlapArea(const TRectangle& a, const TRectangle& b) {
  const int64_t width = std::min<int64_t>(a.right, b.right) - std::max<int64_t>(a.left, b.left);
  const int64_t height = std::min<int64_t>(a.bottom, b.bottom) - std::max<int64_t>(a.top, b.top);
  return width > 0 && height > 0 ? width * height : 0;
}

// The gap between two intervals on one axis; 0 when they meet.
int64_t Gap(int64_t lowA, int64_t highA, int64_t lowB, int64_t highB) {
  if (highA < lowB) return lowB - highA;
  if (highB < lowA) return lowA - highB;
  return 0;
}

// The squared distance between the two rectangles' nearest points (in
// floating point: gaps of any two int rectangles square beyond 64 bits).
double DistanceSquared(const TRectangle& a, const TRectangle& b) {
  const double dx = static_cast<double>(Gap(a.left, a.right, b.left, b.right));
  const double dy = static_cast<double>(Gap(a.top, a.bottom, b.top, b.bottom));
  return dx * dx + dy * dy;
}

}  // namespace

TRectangle NearestWorkArea(const TRectangle& window, const std::vector<TMonitorAreas>& monitors,
                           const TRectangle& fallback) {
  if (monitors.empty()) return fallback;
  size_t best = 0;
  int64_t bestOverlap = -1;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const int64_t overlap = OverlapArea(window, monitors[i].monitor);
    if (overlap > bestOverlap) {
      best = i;
      bestOverlap = overlap;
    }
  }
  if (bestOverlap > 0) return monitors[best].work;
  double bestDistance = -1;
  for (size_t i = 0; i < monitors.size(); ++i) {
    const double distance = DistanceSquared(window, monitors[i].monitor);
    if (bestDistance < 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return monitors[best].work;
}

TRectangle Cascade(const TRectangle& window, const std::vector<TRectangle>& others, int step, const TRectangle& work) {
  const int64_t width = static_cast<int64_t>(window.right) - window.left;
  const int64_t height = static_cast<int64_t>(window.bottom) - window.top;
  const int64_t shift = std::max(step, 0);
  std::vector<bool> matched(others.size(), false);
  TRectangle result = window;
  // Every pass either marks one of `others` or ends the loop.
  for (size_t moves = 0; moves < others.size(); ++moves) {
    size_t hit = others.size();
    for (size_t i = 0; i < others.size(); ++i) {
      if (!matched[i] && others[i] == result) {
        hit = i;
        break;
      }
    }
    if (hit == others.size()) break;
    matched[hit] = true;
    int64_t left = static_cast<int64_t>(result.left) + shift;
    int64_t top = static_cast<int64_t>(result.top) + shift;
    if (left + width > work.right) left = work.left;
    if (top + height > work.bottom) top = work.top;
    result = RectangleAt(left, top, width, height);
  }
  return result;
}

TRectangle CentredOn(const TRectangle& window, const TRectangle& screen) {
  const int64_t width = SpanOf(static_cast<int64_t>(window.right) - window.left);
  const int64_t height = SpanOf(static_cast<int64_t>(window.bottom) - window.top);
  return RectangleAt(CentreOn(width, screen.left, screen.right), CentreOn(height, screen.top, screen.bottom), width,
                     height);
}

TRectangle AtCursor(const TRectangle& window, int cursorX, int cursorY, const TRectangle& screen) {
  const int64_t width = SpanOf(static_cast<int64_t>(window.right) - window.left);
  const int64_t height = SpanOf(static_cast<int64_t>(window.bottom) - window.top);
  return RectangleAt(NearCursor(cursorX, width, screen.left, screen.right),
                     NearCursor(cursorY, height, screen.top, screen.bottom), width, height);
}

void TakeLiveState(TPlacementRecord& record, uint32_t currentStyle) {
  const uint32_t live = kStyleDisabled | kStyleVisible;
  record.style = (record.style & ~live) | (currentStyle & live);
  const bool visible = (currentStyle & kStyleVisible) != 0;
  if (!visible) {
    record.showCommand = kShowHide;
  } else if (record.showCommand == kShowHide) {
    record.showCommand = kShowShow;
  } else if (IsMinimizing(record.showCommand)) {
    record.showCommand = kShowNormal;
  }
  record.style &= ~(kStyleMinimize | kStyleMaximize);
  if (record.showCommand == kShowMaximized) record.style |= kStyleMaximize;
}
