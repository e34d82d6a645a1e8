#include "framework/window/shapes/pure/DockLayout.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

using TPoints = std::vector<std::pair<int, int>>;

TDockChild Child(int dock, int width, int height, int align = kAlignCentre) {
  TDockChild child;
  child.dock = dock;
  child.align = align;
  child.size = {width, height};
  return child;
}

TPoints PointsOf(const TDockLayout& layout) {
  TPoints points;
  for (const TLayoutPoint& p : layout.offsets) points.emplace_back(p.x, p.y);
  return points;
}

}  // namespace

TEST(LayOutDock, SizesAndPlacesChildrenByTheirDock) {
  struct Case {
    std::vector<TDockChild> children;
    int gapX;
    int gapY;
    bool captioned;
    int width;
    int height;
    TPoints offsets;
    const char* reason;
  } cases[] = {
      {{}, 12, 12, false, 0, 0, {}, "an empty group has no size, gaps or not"},
      {{}, 12, 12, true, 36, 26, {}, "an empty captioned group is the bare box"},
      {{Child(kDockFill, 100, 50)}, 12, 12, false, 100, 50, {{0, 0}}, "one child: the gap is taken off again"},
      {{Child(kDockLeft, 10, 20), Child(kDockLeft, 30, 40), Child(kDockFill, 50, 60)}, 12, 12, false, 114, 60,
       {{0, 20}, {22, 10}, {64, 0}}, "two left, then the fill child gets the room to their right"},
      {{Child(kDockLeft, 10, 20), Child(kDockLeft, 30, 40), Child(kDockFill, 50, 60)}, 12, 12, true, 150, 86,
       {{18, 38}, {40, 28}, {82, 18}}, "a caption adds its box and moves the children in"},
      {{Child(kDockLeft, 10, 10), Child(kDockLeft, 10, 10), Child(kDockLeft, 10, 10)}, 5, 7, false, 40, 10,
       {{0, 0}, {15, 0}, {30, 0}}, "gaps between children, one gap less for the group"},
      {{Child(kDockTop, 10, 10), Child(kDockTop, 10, 10)}, 5, 7, false, 10, 27, {{0, 0}, {0, 17}},
       "stacked from the top with the vertical gap"},
      {{Child(kDockRight, 10, 10), Child(kDockBottom, 20, 20), Child(kDockFill, 30, 30)}, 0, 0, false, 40, 50,
       {{30, 20}, {5, 30}, {0, 0}}, "right and bottom bands come off the far sides"},
      {{Child(kDockBottom, 88, 21, kAlignRight), Child(kDockFill, 200, 50)}, 12, 12, false, 200, 83,
       {{112, 62}, {0, 0}}, "a right-aligned row ends flush with the group's edge"},
      {{Child(kDockTop, 0, 0), Child(kDockTop, 10, 10)}, 12, 12, false, 10, 10, {{10, 0}, {0, 0}},
       "an empty child takes neither room nor gap, and stays inside the group"},
      {{Child(kDockLeft, 0, 5), Child(kDockLeft, 10, 10)}, 12, 12, false, 22, 10, {{0, 2}, {12, 0}},
       "a child of zero width still has a size and its gap"},
      {{Child(kDockLeft, -5, -5), Child(kDockLeft, 10, 10)}, -3, -3, false, 10, 10, {{0, 5}, {0, 0}},
       "negative sizes and gaps count as zero"},
      {{Child(99, 10, 10, -1), Child(kDockLeft, 5, 5)}, 0, 0, false, 10, 10, {{0, 0}, {0, 0}},
       "an unknown dock fills and takes all; the child after it gets no room"},
      {{Child(kDockFill, 10, 10), Child(kDockLeft, 50, 50)}, 0, 0, false, 10, 10, {{0, 0}, {0, 0}},
       "a fill child sets the size, so a child after it is not counted"},
  };
  for (const Case& c : cases) {
    const TDockLayout layout = LayOutDock(c.children, c.gapX, c.gapY, c.captioned);
    EXPECT_EQ(c.width, layout.size.width) << c.reason;
    EXPECT_EQ(c.height, layout.size.height) << c.reason;
    EXPECT_EQ(c.offsets, PointsOf(layout)) << c.reason;
  }
}

// A wide top child and a tall left child leave a 190 x 200 band to a fill
// child of 11 x 11, so each align value shows in both directions, and the odd
// free space (179 and 189) shows the rounding.
TEST(LayOutDock, AlignsTheCellInsideItsBand) {
  struct Case {
    int align;
    int x;
    int y;
    const char* reason;
  } cases[] = {
      {kAlignLeft, 10, 104, "left edge, centred vertically"},
      {kAlignRight, 189, 104, "right edge, centred vertically"},
      {kAlignTop, 99, 10, "top edge, centred horizontally"},
      {kAlignBottom, 99, 199, "bottom edge, centred horizontally"},
      {kAlignCentre, 99, 104, "centred both ways, rounded down"},
      {5, 99, 104, "an unknown value centres"},
      {-1, 99, 104, "so does a negative one"},
  };
  for (const Case& c : cases) {
    const std::vector<TDockChild> children = {Child(kDockTop, 200, 10), Child(kDockLeft, 10, 200),
                                              Child(kDockFill, 11, 11, c.align)};
    const TDockLayout layout = LayOutDock(children, 0, 0, false);
    EXPECT_EQ(200, layout.size.width) << c.reason;
    EXPECT_EQ(210, layout.size.height) << c.reason;
    ASSERT_EQ(3u, layout.offsets.size());
    EXPECT_EQ(c.x, layout.offsets[2].x) << c.reason;
    EXPECT_EQ(c.y, layout.offsets[2].y) << c.reason;
  }
}

// With gaps the cell (child plus gap) is what is aligned, so a short text
// beside an icon is centred on the icon, not on the icon's cell.
TEST(LayOutDock, AlignsTheChildWithItsGap) {
  const std::vector<TDockChild> children = {Child(kDockLeft, 32, 32, kAlignTop), Child(kDockLeft, 100, 13, kAlignLeft)};
  const TDockLayout layout = LayOutDock(children, 12, 12, false);
  EXPECT_EQ(144, layout.size.width);
  EXPECT_EQ(32, layout.size.height);
  EXPECT_EQ((TPoints{{0, 0}, {44, 9}}), PointsOf(layout));
}

TEST(LayOutDock, CapsHugeSizesAndGapsWithoutOverflow) {
  struct Case {
    std::vector<TDockChild> children;
    int gap;
    int width;
    int height;
    const char* reason;
  } cases[] = {
      {{Child(kDockLeft, INT_MAX, INT_MAX), Child(kDockLeft, INT_MAX, 1), Child(kDockLeft, INT_MAX, 1)}, 0,
       kMaxLayoutExtent, kMaxLayoutExtent, "sums stop at the limit"},
      {{Child(kDockTop, 10, 10)}, INT_MAX, 10, 10, "a huge gap is capped before it is added"},
      {{Child(kDockTop, INT_MIN, INT_MIN)}, INT_MIN, 0, 0, "the most negative values are zero"},
  };
  for (const Case& c : cases) {
    const TDockLayout layout = LayOutDock(c.children, c.gap, c.gap, true);
    EXPECT_EQ(c.width + kGroupCaptionExtraWidth, layout.size.width) << c.reason;
    EXPECT_EQ(c.height + kGroupCaptionExtraHeight, layout.size.height) << c.reason;
    for (const TLayoutPoint& p : layout.offsets) {
      EXPECT_GE(p.x, kGroupCaptionInset) << c.reason;
      EXPECT_LE(p.x, kGroupCaptionInset + c.width) << c.reason;
      EXPECT_GE(p.y, kGroupCaptionInset) << c.reason;
      EXPECT_LE(p.y, kGroupCaptionInset + c.height) << c.reason;
    }
  }
}
