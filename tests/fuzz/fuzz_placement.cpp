// Placement records as the registry may hold them and rectangles as other
// programs' windows and odd screens may give them: a record is read without
// over-reading and writes back to the same bytes, a window that fits stays
// inside the work area with its margin, snapping keeps the size and moves
// no edge further than the snap distance, and no arithmetic overflows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "framework/window/shapes/pure/Placement.h"
#include "framework/window/shapes/pure/Snapping.h"

namespace {

// Reads little-endian ints from the input, 0 once it runs out.
class TReader {
 public:
  TReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  int Next() {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) {
      const uint32_t byte = at_ < size_ ? data_[at_] : 0;
      word |= byte << (8 * i);
      ++at_;
    }
    int value;
    std::memcpy(&value, &word, sizeof value);
    return value;
  }
  TRectangle NextRectangle() {
    TRectangle r;
    r.left = Next();
    r.top = Next();
    r.right = Next();
    r.bottom = Next();
    return r;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

int64_t SpanOf(int low, int high) { return static_cast<int64_t>(high) - low; }

void CheckRecord(const uint8_t* data, size_t size) {
  // An exact copy, so that a read past `size` is caught.
  std::unique_ptr<uint8_t[]> bytes(new uint8_t[size == 0 ? 1 : size]);
  if (size != 0) std::memcpy(bytes.get(), data, size);
  TPlacementRecord record;
  if (!ParsePlacementRecord(bytes.get(), size, record)) return;
  if (size != kPlacementRecordSize) std::abort();
  const std::vector<uint8_t> written = PlacementRecordBytes(record);
  if (written.size() != size || std::memcmp(written.data(), data, size) != 0) std::abort();
  if (record.normal.right < record.normal.left || record.normal.bottom < record.normal.top) std::abort();
  TakeLiveState(record, static_cast<uint32_t>(size * 0x01010101u));
}

void CheckInsideWorkArea(const TRectangle& window, const TRectangle& work, int margin) {
  const TRectangle kept = KeepInsideWorkArea(window, work, margin);
  const int64_t width = SpanOf(window.left, window.right), height = SpanOf(window.top, window.bottom);
  const int64_t room = SpanOf(work.left, work.right), roomDown = SpanOf(work.top, work.bottom);
  if (room >= 0 && (kept.left < work.left || kept.left > work.right)) std::abort();
  if (roomDown >= 0 && (kept.top < work.top || kept.top > work.bottom)) std::abort();
  if (margin < 0) return;
  if (width >= 0 && width + 2 * static_cast<int64_t>(margin) <= room) {
    if (kept.left < static_cast<int64_t>(work.left) + margin) std::abort();
    if (kept.right > static_cast<int64_t>(work.right) - margin) std::abort();
    if (SpanOf(kept.left, kept.right) != width) std::abort();
  }
  if (height >= 0 && height + 2 * static_cast<int64_t>(margin) <= roomDown) {
    if (kept.top < static_cast<int64_t>(work.top) + margin) std::abort();
    if (kept.bottom > static_cast<int64_t>(work.bottom) - margin) std::abort();
    if (SpanOf(kept.top, kept.bottom) != height) std::abort();
  }
}

void CheckSnapping(const TRectangle& window, const TRectangle& work, const std::vector<TRectangle>& others,
                   int distance, int dragged, int minWidth, int minHeight) {
  const TSnapEdges edges = CollectSnapEdges(work, others);
  const TRectangle moved = SnapMove(window, edges, distance);
  if (SpanOf(moved.left, moved.right) != SpanOf(window.left, window.right)) std::abort();
  if (SpanOf(moved.top, moved.bottom) != SpanOf(window.top, window.bottom)) std::abort();
  const int64_t dx = SpanOf(window.left, moved.left), dy = SpanOf(window.top, moved.top);
  if (dx != 0 && (distance < 0 || dx > distance || -dx > distance)) std::abort();
  if (dy != 0 && (distance < 0 || dy > distance || -dy > distance)) std::abort();

  const TRectangle sized = SnapSize(window, dragged, edges, distance, minWidth, minHeight);
  const bool left = dragged == 1 || dragged == 4 || dragged == 7;
  const bool right = dragged == 2 || dragged == 5 || dragged == 8;
  const bool top = dragged == 3 || dragged == 4 || dragged == 5;
  const bool bottom = dragged == 6 || dragged == 7 || dragged == 8;
  if ((!left && sized.left != window.left) || (!right && sized.right != window.right)) std::abort();
  if ((!top && sized.top != window.top) || (!bottom && sized.bottom != window.bottom)) std::abort();
}

}  // namespace

// The first byte says how many of the following bytes are a record (0..63);
// all bytes after the first are also read as ints for the rectangles.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t recordSize = data[0] % 64 < size - 1 ? data[0] % 64 : size - 1;
  CheckRecord(data + 1, recordSize);

  TReader reader(data + 1, size - 1);
  const TRectangle window = reader.NextRectangle();
  const TRectangle work = reader.NextRectangle();
  const int margin = reader.Next();
  const int distance = reader.Next();
  const int dragged = reader.Next();
  const int minWidth = reader.Next();
  const int minHeight = reader.Next();
  const int cursorX = reader.Next();
  const int cursorY = reader.Next();
  std::vector<TRectangle> others;
  for (int i = 0; i < 4; ++i) others.push_back(reader.NextRectangle());

  CheckInsideWorkArea(window, work, margin);
  CheckInsideWorkArea(window, work, 10);
  CheckSnapping(window, work, others, distance, dragged, minWidth, minHeight);
  CheckSnapping(window, work, others, kSnapDistance, (dragged & 0x0F) % 9, minWidth & 0x3FF, minHeight & 0x3FF);

  // Cascade over copies of itself ends, however the step and area look.
  others.push_back(window);
  others.push_back(window);
  Cascade(window, others, distance, work);
  Cascade(window, others, 22, work);

  KeepCurrentSize(window, minWidth, minHeight);
  CentredOn(window, work);
  const TRectangle atCursor = AtCursor(window, cursorX, cursorY, work);
  const int64_t width = SpanOf(window.left, window.right);
  const int64_t room = SpanOf(work.left, work.right);
  if (width >= 0 && width + 2 * kCursorEdgeDistance <= room) {
    if (atCursor.left < static_cast<int64_t>(work.left) + kCursorEdgeDistance) std::abort();
    if (atCursor.right > static_cast<int64_t>(work.right) - kCursorEdgeDistance) std::abort();
  }
  return 0;
}
