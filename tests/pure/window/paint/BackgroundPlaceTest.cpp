#include "framework/window/paint/pure/BackgroundPlace.h"

#include <gtest/gtest.h>

#include <climits>

TEST(BackgroundOffset, FollowsThePlaceInQuartersOfTheFreeSpace) {
  struct Case {
    int place;
    int freeSpace;
    int expected;
    const char* reason;
  } cases[] = {
      {0, 100, 0, "place 0 keeps the poster at the start"},
      {1, 100, 25, "a quarter of the free space"},
      {2, 100, 50, "half of it"},
      {3, 100, 75, "three quarters"},
      {4, 100, 100, "place 4: the far edges meet"},
      {1, 7, 1, "7 / 4 truncates"},
      {2, 7, 3, "7 / 2 truncates"},
      {3, 7, 5, "21 / 4 truncates, not 3 * (7 / 4) = 3"},
      {4, 7, 7, "all of it"},
      {1, 1, 0, "a quarter of one pixel is none"},
      {3, 1, 0, "three quarters of one pixel is none"},
      {4, 1, 1, "one free pixel at the end"},
      {0, 0, 0, "no free space, place 0"},
      {1, 0, 0, "no free space, place 1"},
      {2, 0, 0, "no free space, place 2"},
      {3, 0, 0, "no free space, place 3"},
      {4, 0, 0, "no free space, place 4"},
      {0, -100, 0, "a poster larger than the area still starts at place 0"},
      {1, -100, -50, "place 1 centres a poster too large for its area"},
      {2, -100, -50, "place 2 centres"},
      {3, -100, -50, "place 3 centres a poster too large for its area"},
      {4, -100, -100, "place 4 starts the poster before the area so its far edge meets the area's"},
      {1, -7, -3, "-7 / 2 truncates toward zero, not down to -4"},
      {2, -7, -3, "truncates toward zero"},
      {3, -7, -3, "centres, truncating toward zero"},
      {4, -7, -7, "the whole overhang"},
      {1, -1, 0, "half of a one-pixel overhang is none"},
      {4, -1, -1, "a one-pixel overhang at the start"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, BackgroundOffset(c.place, c.freeSpace))
        << "place " << c.place << ", free " << c.freeSpace << ": " << c.reason;
  }
}

TEST(BackgroundOffset, PlacesOutsideTheRangeTakeTheNearestEnd) {
  struct Case {
    int place;
    int freeSpace;
    int expected;
    const char* reason;
  } cases[] = {
      {-1, 100, 0, "below 0 is the start"},
      {INT_MIN, 100, 0, "far below 0 is the start"},
      {-1, -100, 0, "below 0 is the start for an overhang too"},
      {5, 100, 100, "above 4 is the end"},
      {INT_MAX, 100, 100, "far above 4 is the end"},
      {5, -100, -100, "above 4 is the end for an overhang too"},
      {5, 0, 0, "no free space anywhere"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, BackgroundOffset(c.place, c.freeSpace))
        << "place " << c.place << ", free " << c.freeSpace << ": " << c.reason;
  }
}

TEST(BackgroundOffset, IsExactAtTheEndsOfTheIntRange) {
  struct Case {
    int place;
    int freeSpace;
    int expected;
    const char* reason;
  } cases[] = {
      {3, INT_MAX, 1610612735, "3 * INT_MAX would overflow an int"},
      {1, INT_MAX, 536870911, "a quarter of INT_MAX"},
      {2, INT_MAX, 1073741823, "half of INT_MAX"},
      {4, INT_MAX, INT_MAX, "all of INT_MAX"},
      {1, INT_MIN, -1073741824, "half of INT_MIN"},
      {3, INT_MIN, -1073741824, "half of INT_MIN"},
      {4, INT_MIN, INT_MIN, "all of INT_MIN"},
      {0, INT_MIN, 0, "none of INT_MIN"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, BackgroundOffset(c.place, c.freeSpace))
        << "place " << c.place << ", free " << c.freeSpace << ": " << c.reason;
  }
}

TEST(PlaceBackground, PutsThePosterInItsAreaMeasuredFromTheOrigin) {
  struct Case {
    int place;
    int areaStart;
    int areaLength;
    int posterLength;
    int origin;
    TBackgroundSpan expected;
    const char* reason;
  } cases[] = {
      {4, 0, 320, 112, 0, {208, 0, 320}, "the poster's far edge meets the area's at 320"},
      {4, 10, 320, 112, 0, {218, 10, 330}, "the area's start moves the poster with it"},
      {0, 10, 320, 112, 0, {10, 10, 330}, "place 0 starts with the area"},
      {2, 0, 312, 112, 0, {100, 0, 312}, "centred"},
      {4, 0, 50, 112, 0, {-62, 0, 50}, "a smaller area: the poster starts before it and is clipped to it"},
      {4, 0, 112, 112, 0, {0, 0, 112}, "an area exactly the poster's size"},
      {4, 0, 0, 112, 0, {-112, 0, 0}, "an empty area covers nothing"},
      {4, 0, -40, 112, 0, {-112, 0, 0}, "a negative length counts as empty, not as reaching back"},
      {4, 0, 320, 112, 200, {8, -200, 120}, "measured from a piece starting at 200"},
      {4, 20, 100, 112, 30, {-22, -10, 90}, "a piece inside an area smaller than the poster"},
      {4, -30, 320, 112, 0, {178, -30, 290}, "an area starting before the device's origin"},
      {4, INT_MAX, INT_MAX, 112, 0, {INT_MAX, INT_MAX, INT_MAX}, "beyond the int range clamps to its top"},
      {4, INT_MIN, 0, 112, 0, {INT_MIN, INT_MIN, INT_MIN}, "below the int range clamps to its bottom"},
      {4, 0, 10, 112, INT_MIN, {INT_MAX - 101, INT_MAX, INT_MAX}, "a piece origin of INT_MIN does not overflow"},
      {4, INT_MAX, INT_MAX, 112, INT_MAX, {INT_MAX - 112, 0, INT_MAX}, "large values that cancel stay exact"},
      {4, INT_MIN, 0, 112, INT_MAX, {INT_MIN, INT_MIN, INT_MIN}, "an area far before the piece clamps to the bottom"},
  };
  for (const auto& c : cases) {
    const TBackgroundSpan span = PlaceBackground(c.place, c.areaStart, c.areaLength, c.posterLength, c.origin);
    EXPECT_EQ(c.expected.posterStart, span.posterStart) << c.reason;
    EXPECT_EQ(c.expected.areaStart, span.areaStart) << c.reason;
    EXPECT_EQ(c.expected.areaEnd, span.areaEnd) << c.reason;
  }
}

TEST(SlicePoster, ShowsOnlyWhatLiesInsideTheAreaAndTheLimits) {
  struct Case {
    TBackgroundSpan span;
    int posterLength;
    int limitStart;
    int limitEnd;
    TPosterSlice expected;
    const char* reason;
  } cases[] = {
      {{208, 0, 320}, 112, INT_MIN, INT_MAX, {208, 0, 112}, "the whole poster inside a larger area"},
      {{-62, 0, 50}, 112, INT_MIN, INT_MAX, {0, 62, 50}, "an area smaller than the poster shows its far part"},
      {{0, 0, 112}, 112, INT_MIN, INT_MAX, {0, 0, 112}, "an area of the poster's size"},
      {{-112, 0, 0}, 112, INT_MIN, INT_MAX, {0, 0, 0}, "an empty area shows nothing"},
      {{208, 0, 320}, 112, 0, 100, {0, 0, 0}, "a piece left of the poster shows nothing"},
      {{208, 0, 320}, 112, 250, 270, {250, 42, 20}, "a piece over the poster's middle"},
      {{208, 0, 320}, 112, 300, 400, {300, 92, 20}, "a piece reaching past the area stops at the area's end"},
      {{208, 0, 320}, 112, 208, 209, {208, 0, 1}, "a one-pixel piece on the poster's first column"},
      {{208, 0, 320}, 112, 320, 330, {0, 0, 0}, "a piece just after the area shows nothing"},
      {{8, -200, 120}, 112, 0, 100, {8, 0, 92}, "a piece's own coordinates: the poster from 8 to the piece's end"},
      {{10, 0, 320}, 0, INT_MIN, INT_MAX, {0, 0, 0}, "a poster of no width shows nothing"},
      {{10, 0, 320}, -5, INT_MIN, INT_MAX, {0, 0, 0}, "a negative poster length shows nothing"},
      {{INT_MAX - 10, 0, INT_MAX}, 112, INT_MIN, INT_MAX, {INT_MAX - 10, 0, 10}, "near INT_MAX without overflow"},
      {{INT_MIN, INT_MIN, INT_MIN + 50}, 112, INT_MIN, INT_MAX, {INT_MIN, 0, 50}, "near INT_MIN without overflow"},
  };
  for (const auto& c : cases) {
    const TPosterSlice slice = SlicePoster(c.span, c.posterLength, c.limitStart, c.limitEnd);
    EXPECT_EQ(c.expected.length, slice.length) << c.reason;
    if (c.expected.length > 0) {
      EXPECT_EQ(c.expected.deviceStart, slice.deviceStart) << c.reason;
      EXPECT_EQ(c.expected.posterOffset, slice.posterOffset) << c.reason;
    }
  }
}
