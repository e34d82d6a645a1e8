#include "framework/window/shapes/pure/DockLayout.h"

#include <algorithm>
#include <cstddef>

namespace {

struct TRect {
  int x;
  int y;
  int width;
  int height;
};

// Sizes and gaps are capped at kMaxLayoutExtent and sums at kSumLimit, far
// above any sum of a real group's cells; every position below lies inside a
// sum, so no int arithmetic overflows.
constexpr int kSumLimit = 1 << 30;

int Cap(long long value, int limit = kMaxLayoutExtent) {
  if (value < 0) return 0;
  if (value > limit) return limit;
  return static_cast<int>(value);
}

int CapSum(int a, int b) { return Cap(static_cast<long long>(a) + b, kSumLimit); }

int KnownDock(int dock) { return dock >= kDockLeft && dock <= kDockFill ? dock : kDockFill; }
int KnownAlign(int align) { return align >= kAlignLeft && align <= kAlignCentre ? align : kAlignCentre; }

// A child's cell: its size plus the gaps, unless it is empty, so that an
// element that shows nothing takes no room either.
TLayoutSize CellOf(const TDockChild& child, int gapX, int gapY) {
  TLayoutSize cell{Cap(child.size.width), Cap(child.size.height)};
  if (cell.width != 0 || cell.height != 0) {
    cell.width = CapSum(cell.width, gapX);
    cell.height = CapSum(cell.height, gapY);
  }
  return cell;
}

// The band a cell takes from the free rectangle, which shrinks by it. Bands
// are cut no larger than what is free, which only matters after a fill child
// or capped sizes: otherwise the sizes were summed so that every cell fits.
TRect CutBand(TRect& free, int dock, TLayoutSize cell) {
  TRect band = free;
  switch (dock) {
    case kDockLeft:
      band.width = std::min(cell.width, free.width);
      free.x += band.width;
      free.width -= band.width;
      break;
    case kDockRight:
      band.width = std::min(cell.width, free.width);
      band.x = free.x + free.width - band.width;
      free.width -= band.width;
      break;
    case kDockTop:
      band.height = std::min(cell.height, free.height);
      free.y += band.height;
      free.height -= band.height;
      break;
    case kDockBottom:
      band.height = std::min(cell.height, free.height);
      band.y = free.y + free.height - band.height;
      free.height -= band.height;
      break;
    default:  // fill
      free.width = 0;
      free.height = 0;
      break;
  }
  return band;
}

TLayoutPoint AlignInBand(const TRect& band, int align, TLayoutSize cell) {
  // A cell larger than its band starts at the band's start, not before it.
  const int spareX = std::max(0, band.width - cell.width);
  const int spareY = std::max(0, band.height - cell.height);
  switch (align) {
    case kAlignLeft:
      return {band.x, band.y + spareY / 2};
    case kAlignRight:
      return {band.x + spareX, band.y + spareY / 2};
    case kAlignTop:
      return {band.x + spareX / 2, band.y};
    case kAlignBottom:
      return {band.x + spareX / 2, band.y + spareY};
    default:  // centre
      return {band.x + spareX / 2, band.y + spareY / 2};
  }
}

}  // namespace

TDockLayout LayOutDock(const std::vector<TDockChild>& children, int horizontalGap, int verticalGap, bool captioned) {
  const int gapX = Cap(horizontalGap);
  const int gapY = Cap(verticalGap);
  std::vector<TLayoutSize> cells;
  cells.reserve(children.size());
  for (const TDockChild& child : children) cells.push_back(CellOf(child, gapX, gapY));

  // Summed from the last child inwards: the children docked later sit inside
  // the room the earlier ones leave.
  TLayoutSize sum;
  for (size_t i = children.size(); i-- > 0;) {
    const TLayoutSize cell = cells[i];
    switch (KnownDock(children[i].dock)) {
      case kDockLeft:
      case kDockRight:
        sum.width = CapSum(sum.width, cell.width);
        sum.height = std::max(sum.height, cell.height);
        break;
      case kDockTop:
      case kDockBottom:
        sum.height = CapSum(sum.height, cell.height);
        sum.width = std::max(sum.width, cell.width);
        break;
      default:
        sum = cell;
        break;
    }
  }

  // The last cell's gap lies outside the group.
  const TLayoutSize group{Cap(static_cast<long long>(sum.width) - gapX),
                          Cap(static_cast<long long>(sum.height) - gapY)};
  const int inset = captioned ? kGroupCaptionInset : 0;
  TDockLayout layout;
  layout.size = group;
  if (captioned) {
    layout.size.width += kGroupCaptionExtraWidth;
    layout.size.height += kGroupCaptionExtraHeight;
  }
  layout.offsets.reserve(children.size());
  TRect free{0, 0, sum.width, sum.height};
  for (size_t i = 0; i < children.size(); ++i) {
    const TRect band = CutBand(free, KnownDock(children[i].dock), cells[i]);
    const TLayoutPoint at = AlignInBand(band, KnownAlign(children[i].align), cells[i]);
    // Only empty children, children after a fill and capped sizes can reach
    // past the group: they are kept at its edge.
    layout.offsets.push_back({std::min(at.x, group.width) + inset, std::min(at.y, group.height) + inset});
  }
  return layout;
}
