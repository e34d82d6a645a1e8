#include "framework/window/shapes/pure/Snapping.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

std::string Text(const TRectangle& r) {
  return "{" + std::to_string(r.left) + ", " + std::to_string(r.top) + ", " + std::to_string(r.right) + ", " +
         std::to_string(r.bottom) + "}";
}

::testing::AssertionResult Same(const TRectangle& expected, const TRectangle& actual) {
  if (expected == actual) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "expected " << Text(expected) << ", got " << Text(actual);
}

// 1024 x 768 with a 30-pixel taskbar; one other window in the middle.
const TRectangle kWork{0, 0, 1024, 738};
const TRectangle kOther{400, 300, 600, 500};

TSnapEdges Edges() { return CollectSnapEdges(kWork, {kOther}); }

}  // namespace

TEST(CollectSnapEdges, TakesTheWorkAreaItsInsetAndEdgesOfWindowsOnIt) {
  const struct {
    std::vector<TRectangle> windows;
    std::vector<int> verticals, horizontals;
    const char* why;
  } cases[] = {
      {{}, {0, 8, 1016, 1024}, {0, 8, 730, 738}, "the work area and 8 inside it"},
      {{kOther}, {0, 8, 400, 600, 1016, 1024}, {0, 8, 300, 500, 730, 738}, "both edges of a window on each axis"},
      {{kOther, {400, 100, 600, 200}}, {0, 8, 400, 600, 1016, 1024}, {0, 8, 100, 200, 300, 500, 730, 738},
       "shared lines once"},
      {{{100, 200, 100, 400}, {100, 200, 300, 200}, {300, 400, 100, 200}}, {0, 8, 1016, 1024}, {0, 8, 730, 738},
       "empty and inverted windows give nothing"},
      {{{-1280, 0, -200, 700}}, {0, 8, 1016, 1024}, {0, 8, 730, 738}, "a window on another screen"},
      {{{100, 740, 300, 768}}, {0, 8, 1016, 1024}, {0, 8, 730, 738}, "a window over the taskbar, below the area"},
      {{{-100, 100, 200, 300}}, {0, 8, 200, 1016, 1024}, {0, 8, 100, 300, 730, 738},
       "partly off the area: only the edge on it"},
      {{{0, 0, 1024, 738}}, {0, 8, 1016, 1024}, {0, 8, 730, 738}, "a maximized window adds the area's own edges"},
  };
  for (const auto& c : cases) {
    const TSnapEdges edges = CollectSnapEdges(kWork, c.windows);
    EXPECT_EQ(c.verticals, edges.verticals) << c.why;
    EXPECT_EQ(c.horizontals, edges.horizontals) << c.why;
    EXPECT_TRUE(Same(kWork, edges.work)) << c.why;
  }
}

TEST(CollectSnapEdges, NeverOverflowsAtTheEndsOfTheRange) {
  const TRectangle huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  const TSnapEdges edges = CollectSnapEdges(huge, {huge, {INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX}});
  EXPECT_EQ((std::vector<int>{INT_MIN, INT_MIN + 8, INT_MAX - 8, INT_MAX - 1, INT_MAX}), edges.verticals);
  EXPECT_EQ(edges.verticals, edges.horizontals);
}

TEST(SnapMove, SnapsWithinSevenPixelsAndKeepsTheSize) {
  const struct {
    TRectangle moving;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{200, 100, 300, 150}, {200, 100, 300, 150}, "far from every line"},
      {{607, 100, 707, 150}, {600, 100, 700, 150}, "left edge 7 right of the other's right edge: docks"},
      {{608, 100, 708, 150}, {608, 100, 708, 150}, "8 away: stays"},
      {{593, 100, 693, 150}, {600, 100, 700, 150}, "7 on the other side"},
      {{592, 100, 692, 150}, {592, 100, 692, 150}, "8 on the other side"},
      {{295, 100, 395, 150}, {300, 100, 400, 150}, "right edge to the other's left edge: side by side"},
      {{404, 100, 504, 150}, {400, 100, 500, 150}, "left edge to the other's left edge: lined up"},
      {{200, 303, 300, 353}, {200, 300, 300, 350}, "top edge to the other's top edge"},
      {{450, 245, 550, 295}, {450, 250, 550, 300}, "bottom edge to the other's top edge: stacked"},
      {{605, 296, 705, 346}, {600, 300, 700, 350}, "both axes at once"},
      {{12, 100, 112, 150}, {8, 100, 108, 150}, "to the line 8 inside the work area"},
      {{2, 100, 102, 150}, {0, 100, 100, 150}, "to the work area's own edge"},
      {{915, 100, 1019, 150}, {912, 100, 1016, 150}, "right edge to the inset line, nearer than the edge"},
      {{4, 100, 104, 150}, {0, 100, 100, 150}, "4 from the edge and from the inset: the lower line"},
      {{300, 735, 400, 785}, {300, 738, 400, 788}, "top edge to the work area's bottom"},
  };
  for (const auto& c : cases) {
    const TRectangle snapped = SnapMove(c.moving, Edges(), kSnapDistance);
    EXPECT_TRUE(Same(c.expected, snapped)) << c.why;
    EXPECT_EQ(c.moving.Width(), snapped.Width()) << c.why;
    EXPECT_EQ(c.moving.Height(), snapped.Height()) << c.why;
  }
}

TEST(SnapMove, TheEdgeThatMovesLessWins) {
  // The other window's sides are at 400 and 600.
  const struct {
    TRectangle moving;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{405, 100, 603, 150}, {402, 100, 600, 150}, "left 5 away, right 3: the right edge snaps"},
      {{403, 100, 605, 150}, {400, 100, 602, 150}, "left 3 away, right 5: the left edge snaps"},
      {{404, 100, 604, 150}, {400, 100, 600, 150}, "both 4 the same way: either gives the same"},
      {{396, 100, 604, 150}, {400, 100, 608, 150}, "4 each, opposite ways: the left edge"},
      {{100, 296, 150, 504}, {100, 300, 150, 508}, "4 each, opposite ways: the top edge"},
      {{100, 303, 150, 498}, {100, 305, 150, 500}, "top 3, bottom 2: the bottom edge"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, SnapMove(c.moving, Edges(), kSnapDistance))) << c.why;
}

TEST(SnapMove, DistanceAndRangeLimits) {
  TSnapEdges nearLow;
  nearLow.verticals = {INT_MIN + 7};
  TSnapEdges nearHigh;
  nearHigh.verticals = {INT_MAX - 7};
  const struct {
    TRectangle moving;
    TSnapEdges edges;
    int distance;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{601, 100, 701, 150}, Edges(), 0, {601, 100, 701, 150}, "distance 0: only a line it is on"},
      {{600, 100, 700, 150}, Edges(), 0, {600, 100, 700, 150}, "distance 0 on a line: stays"},
      {{601, 100, 701, 150}, Edges(), -1, {601, 100, 701, 150}, "a negative distance never snaps"},
      {{650, 100, 750, 150}, Edges(), INT_MAX, {600, 8, 700, 58},
       "an endless distance: the nearer edge of each axis, 50 and 92 away"},
      {{601, 100, 701, 150}, TSnapEdges{}, kSnapDistance, {601, 100, 701, 150}, "no lines at all"},
      {{INT_MIN, 0, INT_MIN + 10, 10}, nearLow, kSnapDistance, {INT_MIN, 0, INT_MIN + 10, 10},
       "the right edge would carry the left one below INT_MIN: no snap"},
      {{INT_MAX - 10, 0, INT_MAX, 10}, nearHigh, kSnapDistance, {INT_MAX - 10, 0, INT_MAX, 10},
       "the left edge would carry the right one past INT_MAX: no snap"},
      {{INT_MIN + 2, 0, INT_MIN + 100, 10}, nearLow, kSnapDistance, {INT_MIN + 7, 0, INT_MIN + 105, 10},
       "near the range's end but inside it: snaps"},
      {{605, 100, 505, 150}, Edges(), kSnapDistance, {600, 100, 500, 150}, "inverted: moved, still inverted"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, SnapMove(c.moving, c.edges, c.distance))) << c.why;
}

TEST(SnapSize, SnapsOnlyTheDraggedEdges) {
  // Each edge is near a line: left 12 (8), top 13 (8), right 395 (400), bottom 296 (300).
  const TRectangle sizing{12, 13, 395, 296};
  const struct {
    int dragged;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {1, {8, 13, 395, 296}, "left"},
      {2, {12, 13, 400, 296}, "right"},
      {3, {12, 8, 395, 296}, "top"},
      {4, {8, 8, 395, 296}, "top-left"},
      {5, {12, 8, 400, 296}, "top-right"},
      {6, {12, 13, 395, 300}, "bottom"},
      {7, {8, 13, 395, 300}, "bottom-left"},
      {8, {12, 13, 400, 300}, "bottom-right"},
      {0, sizing, "0 is no edge"},
      {9, sizing, "9 (a move) is no edge"},
      {-1, sizing, "garbage"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Same(c.expected, SnapSize(sizing, c.dragged, Edges(), kSnapDistance, 0, 0))) << c.why;
  }
}

TEST(SnapSize, NeverGoesBelowTheMinimumSize) {
  const struct {
    TRectangle sizing;
    int dragged, minWidth, minHeight;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{480, 100, 605, 160}, 2, 120, 30, {480, 100, 600, 160}, "snapping to exactly the minimum is fine"},
      {{480, 100, 605, 160}, 2, 123, 30, {480, 100, 603, 160}, "the snap would go below: right edge at the minimum"},
      {{595, 100, 720, 160}, 1, 122, 30, {598, 100, 720, 160}, "the left edge likewise"},
      {{100, 295, 300, 340}, 3, 100, 42, {100, 298, 300, 340}, "the top edge likewise"},
      {{100, 250, 300, 305}, 6, 100, 52, {100, 250, 300, 302}, "the bottom edge likewise"},
      {{100, 100, 150, 150}, 2, 100, 100, {100, 100, 200, 150}, "already too small: only the dragged axis grows"},
      {{100, 100, 150, 150}, 8, 100, 100, {100, 100, 200, 200}, "a corner: both axes grow"},
      {{500, 100, 400, 150}, 2, -10, -10, {500, 100, 500, 150}, "dragged past the other side: counts from 0"},
      {{10, 0, 20, 10}, 2, INT_MAX, 0, {10, 0, INT_MAX, 10}, "an endless minimum clamps at INT_MAX"},
      {{INT_MIN + 5, 0, INT_MIN + 10, 10}, 1, 100, 0, {INT_MIN, 0, INT_MIN + 10, 10}, "and at INT_MIN"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Same(c.expected, SnapSize(c.sizing, c.dragged, Edges(), kSnapDistance, c.minWidth, c.minHeight)))
        << c.why;
  }
}
