// LayOutDock over any children, gaps and sizes: no undefined behaviour, a size
// within the cap, every offset inside the group, and for ordinary layouts
// (sizes that need no cap, no child after a fill child) every child inside the
// group and no two children's cells (child plus gaps) overlapping.
//
// Input: byte 0 holds flags (bit 0: captioned, bit 1: extreme sizes and gaps),
// bytes 1 and 2 the gaps, then four bytes per child: dock, align, width, height.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/window/shapes/pure/DockLayout.h"

namespace {

constexpr size_t kMaxChildren = 64;

// Extreme values, or small ones (some negative) for ordinary layouts.
int ValueOf(uint8_t byte, bool extreme) {
  static const int kExtremes[] = {0,       1,       -1,      INT_MAX, INT_MIN, kMaxLayoutExtent, kMaxLayoutExtent + 1,
                                  1 << 30, 1 << 29, INT_MAX / 2, 12, 100};
  if (!extreme) return static_cast<int>(byte) * 3 - 60;
  const size_t count = sizeof(kExtremes) / sizeof(kExtremes[0]);
  return byte < count ? kExtremes[byte] : static_cast<int>(byte) * 65537;
}

// Mostly known values, sometimes one just outside or far outside.
int CodeOf(uint8_t byte) {
  if (byte < 250) return byte % 6 - (byte % 6 == 5 ? 6 : 0);  // 0-4 and -1
  return byte == 250 ? 5 : (byte == 251 ? INT_MIN : INT_MAX);
}

int AtLeastZero(int value) { return value < 0 ? 0 : value; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const bool captioned = (data[0] & 1) != 0;
  const bool extreme = (data[0] & 2) != 0;
  const int gapX = extreme ? ValueOf(data[1], true) : static_cast<int8_t>(data[1]);
  const int gapY = extreme ? ValueOf(data[2], true) : static_cast<int8_t>(data[2]);
  std::vector<TDockChild> children;
  for (size_t at = 3; at + 4 <= size && children.size() < kMaxChildren; at += 4) {
    TDockChild child;
    child.dock = CodeOf(data[at]);
    child.align = CodeOf(data[at + 1]);
    child.size = {ValueOf(data[at + 2], extreme), ValueOf(data[at + 3], extreme)};
    children.push_back(child);
  }

  const TDockLayout layout = LayOutDock(children, gapX, gapY, captioned);
  if (layout.offsets.size() != children.size()) std::abort();
  const int inset = captioned ? kGroupCaptionInset : 0;
  const int groupWidth = layout.size.width - (captioned ? kGroupCaptionExtraWidth : 0);
  const int groupHeight = layout.size.height - (captioned ? kGroupCaptionExtraHeight : 0);
  if (groupWidth < 0 || groupWidth > kMaxLayoutExtent) std::abort();
  if (groupHeight < 0 || groupHeight > kMaxLayoutExtent) std::abort();
  bool anyChild = false;
  for (const TDockChild& child : children) {
    anyChild |= AtLeastZero(child.size.width) != 0 || AtLeastZero(child.size.height) != 0;
  }
  if (!anyChild && (groupWidth != 0 || groupHeight != 0)) std::abort();
  for (const TLayoutPoint& p : layout.offsets) {
    if (p.x < inset || p.x > inset + groupWidth || p.y < inset || p.y > inset + groupHeight) std::abort();
  }

  if (extreme) return 0;
  bool afterFill = false;
  for (const TDockChild& child : children) {
    const bool empty = AtLeastZero(child.size.width) == 0 && AtLeastZero(child.size.height) == 0;
    if (afterFill && !empty) return 0;  // such a child gets no room by design
    if (child.dock < kDockLeft || child.dock > kDockBottom) afterFill = true;  // fill and unknown docks
  }
  const int cellX = AtLeastZero(gapX);
  const int cellY = AtLeastZero(gapY);
  for (size_t i = 0; i < children.size(); ++i) {
    const int w = AtLeastZero(children[i].size.width);
    const int h = AtLeastZero(children[i].size.height);
    if (w == 0 && h == 0) continue;
    const int x = layout.offsets[i].x - inset;
    const int y = layout.offsets[i].y - inset;
    if (x + w > groupWidth || y + h > groupHeight) std::abort();
    for (size_t j = i + 1; j < children.size(); ++j) {
      const int w2 = AtLeastZero(children[j].size.width);
      const int h2 = AtLeastZero(children[j].size.height);
      if (w2 == 0 && h2 == 0) continue;
      const int x2 = layout.offsets[j].x - inset;
      const int y2 = layout.offsets[j].y - inset;
      const bool apartX = x + w + cellX <= x2 || x2 + w2 + cellX <= x;
      const bool apartY = y + h + cellY <= y2 || y2 + h2 + cellY <= y;
      if (!apartX && !apartY) std::abort();
    }
  }
  return 0;
}
