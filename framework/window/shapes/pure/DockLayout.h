#pragma once
// The dock layout of a group of dialog elements: the arithmetic that turns the
// children's measured sizes and dock rules into the group's size and each
// child's offset, kept apart from the windows so that it can be tested whole.
//
// Each child that is not 0 x 0 occupies a cell of its size plus the gaps, the
// gap lying to its right and below it. Sizes are summed from the last child to
// the first; cells are then placed from the first child to the last in bands
// cut from a shrinking free rectangle, and each cell is aligned inside its
// band (centring rounds down). The group is the sum less one gap each way, so
// no gap hangs outside the last child.
//
// Settled here for any input:
// - Negative sizes and gaps count as 0; sizes, gaps and the group's size are
//   capped at kMaxLayoutExtent, and no arithmetic overflows.
// - An unknown dock value docks as fill, an unknown align value centres.
// - A fill child takes all that is left: a child after it gets an empty band
//   and starts at that band's corner (the group is not enlarged for it).
// - A cell larger than its band starts at the band's start instead of before it,
//   and every offset lies inside the group (before the caption's inset), also
//   for 0 x 0 children.
// - An empty group measures 0 x 0 whatever its gaps; with a caption it is the
//   bare box of kGroupCaptionExtraWidth x kGroupCaptionExtraHeight.
#include <vector>

enum TDock : int { kDockLeft = 0, kDockRight = 1, kDockTop = 2, kDockBottom = 3, kDockFill = 4 };
enum TAlign : int { kAlignLeft = 0, kAlignRight = 1, kAlignTop = 2, kAlignBottom = 3, kAlignCentre = 4 };

constexpr int kGroupCaptionExtraWidth = 36;   // a captioned group's box around its children
constexpr int kGroupCaptionExtraHeight = 26;
constexpr int kGroupCaptionInset = 18;        // children start this far in from the box's left and top
// No layout is larger than this in either direction; larger sizes are capped.
constexpr int kMaxLayoutExtent = 1 << 20;

struct TLayoutSize {
  int width = 0;
  int height = 0;
};
struct TLayoutPoint {
  int x = 0;
  int y = 0;
};
struct TDockChild {
  int dock = kDockFill;
  int align = kAlignCentre;
  TLayoutSize size;  // as measured
};
struct TDockLayout {
  TLayoutSize size;                   // the group's size, a caption's box included
  std::vector<TLayoutPoint> offsets;  // each child's top-left, relative to the group's top-left (caption inset included)
};

TDockLayout LayOutDock(const std::vector<TDockChild>& children, int horizontalGap, int verticalGap, bool captioned);
