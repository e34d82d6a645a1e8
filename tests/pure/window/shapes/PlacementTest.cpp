#include "framework/window/shapes/pure/Placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
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

// 1024 x 768 with a 30-pixel taskbar at the bottom.
const TRectangle kScreen{0, 0, 1024, 768};
const TRectangle kWork{0, 0, 1024, 738};
constexpr int kMargin = 10;
constexpr int kStep = 22;  // caption 19 + dialog frame 3

TPlacementRecord SampleRecord() {
  TPlacementRecord record;
  record.flags = 2;
  record.showCommand = kShowNormal;
  record.minX = -1;
  record.minY = -1;
  record.maxX = -4;
  record.maxY = -23;
  record.normal = {100, 120, 420, 360};
  record.style = 0x94C800C4;
  record.exStyle = 0x00010101;
  record.positionMode = kPositionCursor;
  return record;
}

uint32_t WordAt(const std::vector<uint8_t>& bytes, size_t offset) {
  return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

void PutWord(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

TEST(PlacementRecord, LaysOutLittleEndianFieldsAtTheirOffsets) {
  const std::vector<uint8_t> bytes = PlacementRecordBytes(SampleRecord());
  ASSERT_EQ(kPlacementRecordSize, bytes.size());
  const struct {
    size_t offset;
    uint32_t value;
    const char* why;
  } cases[] = {
      {0, 44, "the WINDOWPLACEMENT length"},
      {4, 2, "flags"},
      {8, kShowNormal, "show command"},
      {12, 0xFFFFFFFF, "negative minimized x in two's complement"},
      {24, static_cast<uint32_t>(-23), "maximized y"},
      {28, 100, "normal left"},
      {32, 120, "normal top"},
      {36, 420, "normal right"},
      {40, 360, "normal bottom"},
      {44, 0x94C800C4, "style"},
      {48, 0x00010101, "extended style"},
      {52, kPositionCursor, "position mode last"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.value, WordAt(bytes, c.offset)) << c.why;
  EXPECT_EQ(0x2C, bytes[0]) << "low byte first";
  EXPECT_EQ(0x68, bytes[52]);
  EXPECT_EQ(0xF6, bytes[53]);
}

TEST(PlacementRecord, ReadsBackWhatItWrites) {
  TPlacementRecord written = SampleRecord();
  written.normal = {-32768, -200, 32767, 32767};
  written.minX = INT32_MIN;
  written.maxY = INT32_MAX;
  const std::vector<uint8_t> bytes = PlacementRecordBytes(written);
  TPlacementRecord read;
  ASSERT_TRUE(ParsePlacementRecord(bytes.data(), bytes.size(), read));
  EXPECT_EQ(44u, read.length);
  EXPECT_EQ(written.flags, read.flags);
  EXPECT_EQ(written.showCommand, read.showCommand);
  EXPECT_EQ(written.minX, read.minX);
  EXPECT_EQ(written.minY, read.minY);
  EXPECT_EQ(written.maxX, read.maxX);
  EXPECT_EQ(written.maxY, read.maxY);
  EXPECT_TRUE(Same(written.normal, read.normal));
  EXPECT_EQ(written.style, read.style);
  EXPECT_EQ(written.exStyle, read.exStyle);
  EXPECT_EQ(written.positionMode, read.positionMode);
  EXPECT_EQ(bytes, PlacementRecordBytes(read));
}

TEST(PlacementRecord, WritesLength44WhateverTheRecordSays) {
  TPlacementRecord record = SampleRecord();
  record.length = 0;
  const std::vector<uint8_t> bytes = PlacementRecordBytes(record);
  EXPECT_EQ(44u, WordAt(bytes, 0));
  TPlacementRecord read;
  EXPECT_TRUE(ParsePlacementRecord(bytes.data(), bytes.size(), read));
}

TEST(PlacementRecord, RefusesUnsoundRecordsAndLeavesTheOutputAlone) {
  const std::vector<uint8_t> good = PlacementRecordBytes(SampleRecord());
  const auto with = [&](size_t offset, uint32_t value) {
    std::vector<uint8_t> bytes = good;
    PutWord(bytes, offset, value);
    return bytes;
  };
  const struct {
    std::vector<uint8_t> bytes;
    const char* why;
  } cases[] = {
      {std::vector<uint8_t>(good.begin(), good.end() - 1), "55 bytes: cut short"},
      {[&] { auto b = good; b.push_back(0); return b; }(), "57 bytes: something else's value"},
      {{}, "0 bytes"},
      {std::vector<uint8_t>(good.begin(), good.begin() + 44), "a bare WINDOWPLACEMENT"},
      {with(0, 40), "length field 40"},
      {with(0, 56), "length field counting the whole record"},
      {with(8, 12), "show command beyond SW_MAX"},
      {with(8, 0xFFFFFFFF), "show command -1"},
      {with(52, 0), "position mode 0"},
      {with(52, 0xF66A), "position mode next to the three"},
      {with(36, 99), "right left of left: inverted"},
      {with(40, 119), "bottom above top: inverted"},
      {with(28, static_cast<uint32_t>(-32769)), "left below the 16-bit range"},
      {with(40, 32768), "bottom past the 16-bit range"},
      {with(28, 0x80000000), "left INT_MIN"},
      {with(36, 0x7FFFFFFF), "right INT_MAX"},
  };
  for (const auto& c : cases) {
    // A copy of exactly the given size, so that a read past it is caught.
    std::unique_ptr<uint8_t[]> exact(new uint8_t[c.bytes.size() + 1]);
    std::copy(c.bytes.begin(), c.bytes.end(), exact.get());
    TPlacementRecord out;
    out.flags = 77;
    EXPECT_FALSE(ParsePlacementRecord(exact.get(), c.bytes.size(), out)) << c.why;
    EXPECT_EQ(77u, out.flags) << c.why;
  }
  TPlacementRecord out;
  EXPECT_FALSE(ParsePlacementRecord(nullptr, kPlacementRecordSize, out)) << "null with the right size";
  EXPECT_FALSE(ParsePlacementRecord(nullptr, 0, out)) << "null and empty";
}

TEST(PlacementRecord, AcceptsWhatARealWindowMayHaveSaved) {
  const std::vector<uint8_t> good = PlacementRecordBytes(SampleRecord());
  const auto with = [&](size_t offset, uint32_t value) {
    std::vector<uint8_t> bytes = good;
    PutWord(bytes, offset, value);
    return bytes;
  };
  const struct {
    std::vector<uint8_t> bytes;
    const char* why;
  } cases[] = {
      {with(52, kPositionCentre), "centre mode"},
      {with(52, kPositionHere), "this-position mode"},
      {with(36, 100), "zero width: the system enforces its minimum"},
      {with(28, static_cast<uint32_t>(-32768)), "left at the low end of the range"},
      {with(40, 32767), "bottom at the high end of the range"},
      {with(12, static_cast<uint32_t>(-32000)), "minimized position where the system parks icons"},
      {with(8, kShowForceMinimize), "the last show command"},
      {with(44, 0xFFFFFFFF), "any style bits"},
  };
  for (const auto& c : cases) {
    TPlacementRecord out;
    EXPECT_TRUE(ParsePlacementRecord(c.bytes.data(), c.bytes.size(), out)) << c.why;
  }
}

TEST(KeepCurrentSize, EdgesMoveByHalfTheSizeChange) {
  const TRectangle saved{100, 100, 300, 200};  // 200 x 100
  const struct {
    int width, height;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {200, 100, {100, 100, 300, 200}, "same size: unchanged"},
      {210, 110, {105, 105, 315, 215}, "larger by 10: right and down by five"},
      {205, 105, {102, 102, 307, 207}, "larger by 5: the half rounds toward zero"},
      {195, 95, {98, 98, 293, 193}, "smaller by 5: left and up, the half rounds toward zero"},
      {190, 100, {95, 100, 285, 200}, "narrower only"},
      {200, 131, {100, 115, 300, 246}, "taller only, odd difference"},
      {0, 0, {0, 50, 0, 50}, "empty: back by half the saved size"},
      {-50, -80, {0, 50, 0, 50}, "negative sizes count as 0"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, KeepCurrentSize(saved, c.width, c.height))) << c.why;
}

TEST(KeepCurrentSize, BadSavedRectanglesStaySensible) {
  const struct {
    TRectangle saved;
    int width, height;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{300, 200, 100, 100}, 200, 100, {400, 250, 600, 350}, "inverted: empty at its top-left corner, then grown"},
      {{INT_MAX - 10, 0, INT_MAX, 10}, INT_MAX, 10, {INT_MAX, 0, INT_MAX, 10}, "edges stop at INT_MAX, no wrap"},
      {{INT_MIN, INT_MIN, INT_MIN + 4, INT_MIN + 4}, 0, 0, {INT_MIN, INT_MIN, INT_MIN, INT_MIN},
       "shrinking at INT_MIN stops there"},
      {{INT_MIN, 0, INT_MAX, 10}, 10, 10, {INT_MIN, 0, INT_MIN, 10}, "a saved width beyond int: edges stop at INT_MIN"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, KeepCurrentSize(c.saved, c.width, c.height))) << c.why;
}

TEST(KeepInsideWorkArea, KeepsTenPixelsFromEachEdge) {
  const struct {
    TRectangle window;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{100, 100, 300, 200}, {100, 100, 300, 200}, "well inside: unchanged"},
      {{10, 10, 210, 110}, {10, 10, 210, 110}, "exactly at the top-left margin"},
      {{814, 628, 1014, 728}, {814, 628, 1014, 728}, "exactly at the bottom-right margin"},
      {{100, 700, 300, 800}, {100, 628, 300, 728}, "past the bottom: up to 10 above it"},
      {{900, 100, 1100, 200}, {814, 100, 1014, 200}, "past the right: left to 10 inside it"},
      {{100, -50, 300, 50}, {100, 10, 300, 110}, "above the top: down to 10 below it"},
      {{-150, 100, 50, 200}, {10, 100, 210, 200}, "left of the left: right to 10 inside it"},
      {{100, 633, 300, 733}, {100, 628, 300, 728}, "inside but within the margin at the bottom"},
      {{5, 100, 205, 200}, {10, 100, 210, 200}, "inside but within the margin at the left"},
      {{1000, 700, 1200, 800}, {814, 628, 1014, 728}, "past a corner: both axes"},
      {{-2000000000, -2000000000, -1999999800, -1999999900}, {10, 10, 210, 110}, "far off every screen"},
      {{INT_MAX - 200, INT_MAX - 100, INT_MAX, INT_MAX}, {814, 628, 1014, 728}, "at the end of the int range"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, KeepInsideWorkArea(c.window, kWork, kMargin))) << c.why;
}

TEST(KeepInsideWorkArea, KeepsTheTopLeftOfAWindowThatDoesNotFit) {
  const struct {
    TRectangle window;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{-100, -100, 1200, 900}, {10, 10, 1310, 1010}, "larger both ways: top-left at the margin"},
      {{-300, 100, 1100, 200}, {10, 100, 1410, 200}, "wider only: the other axis is still kept inside"},
      {{500, 400, 700, 1200}, {500, 10, 700, 810}, "taller only"},
      {{50, 100, 1054, 200}, {10, 100, 1014, 200}, "1004 wide fits with both margins"},
      {{50, 100, 1055, 200}, {10, 100, 1015, 200}, "1005 wide does not: left margin kept"},
      {{INT_MIN, 0, INT_MAX, 100}, {10, 10, INT_MAX, 110}, "a width beyond int is clamped, not wrapped"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, KeepInsideWorkArea(c.window, kWork, kMargin))) << c.why;
}

TEST(KeepInsideWorkArea, TakesOddMarginsAndWorkAreasSensibly) {
  const struct {
    TRectangle window, work;
    int margin;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{900, 100, 1100, 200}, kWork, 0, {824, 100, 1024, 200}, "margin 0: flush with the edge"},
      {{900, 100, 1100, 200}, kWork, -5, {824, 100, 1024, 200}, "a negative margin counts as 0"},
      {{100, 100, 300, 200}, kWork, 10000, {512, 369, 712, 469}, "a margin over half the area: the middle"},
      {{-100, 100, 100, 200}, {-1280, 0, 0, 1024}, 10, {-210, 100, -10, 200}, "a work area left of the primary"},
      {{300, 200, 100, 100}, kWork, 10, {300, 200, 300, 200}, "inverted window: empty at its top-left"},
      {{100, 100, 300, 200}, {1024, 738, 0, 0}, 10, {1024, 738, 1224, 838}, "inverted work area: its top-left"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, KeepInsideWorkArea(c.window, c.work, c.margin))) << c.why;
}

// Two monitors side by side, the primary with its taskbar at the top, as
// users have them; a rectangle saved on a monitor that is gone comes onto the
// nearest left, and none is ever fitted into the primary's area by default.
TEST(NearestWorkArea, PicksTheMonitorOverlappedMostElseTheClosest) {
  const TMonitorAreas primary{{0, 0, 1920, 1080}, {0, 40, 1920, 1080}};
  const TMonitorAreas right{{1920, 0, 3200, 1024}, {1920, 0, 3200, 984}};
  const std::vector<TMonitorAreas> both{primary, right};
  const struct {
    TRectangle window;
    std::vector<TMonitorAreas> monitors;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{100, 100, 500, 400}, both, primary.work, "inside the primary"},
      {{2000, 100, 2400, 400}, both, right.work, "inside the second"},
      {{1700, 100, 2300, 400}, both, right.work, "across both: the one it overlaps most"},
      {{1750, 100, 2040, 400}, both, primary.work, "across both, more on the primary"},
      {{2000, 100, 2400, 400}, {primary}, primary.work, "saved on a monitor that is gone"},
      {{-900, -700, -500, -400}, both, primary.work, "off every monitor, closest to the primary"},
      {{3300, 1100, 3500, 1200}, both, right.work, "off every monitor, closest to the second"},
      {{100, 100, 500, 400}, {}, kWork, "no monitor listed: the fallback"},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, both, primary.work, "the widest rectangle: no overflow"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, NearestWorkArea(c.window, c.monitors, kWork))) << c.why;
}

// With the taskbar at the top the saved rectangle (in workspace
// coordinates) and the screen differ by the work area's offset: a window
// reopened where it was saved is saved again in the same place.
TEST(WorkspaceToScreen, ReopeningWhereSavedDoesNotCreep) {
  const TPoint topTaskbar{0, 40};
  const TRectangle saved{100, 100, 500, 400};
  const TRectangle onScreen = WorkspaceToScreen(saved, topTaskbar);
  EXPECT_TRUE(Same({100, 140, 500, 440}, onScreen));
  const TRectangle fitted = KeepInsideWorkArea(onScreen, {0, 40, 1920, 1080}, 10);
  EXPECT_TRUE(Same(saved, ScreenToWorkspace(fitted, topTaskbar)));
}

TEST(Cascade, StepsAwayFromWindowsOfTheSameClassAtTheSamePlace) {
  const TRectangle a{100, 100, 300, 200};
  const TRectangle a1 = Offset(a, 22, 22), a2 = Offset(a, 44, 44);
  const struct {
    std::vector<TRectangle> others;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{}, a, "alone"},
      {{Offset(a, 1, 0), Offset(a, 0, 1), {100, 100, 301, 200}}, a, "near is not equal"},
      {{a}, a1, "one at the same place: one step"},
      {{a, a1}, a2, "a cascade already open: goes to its end"},
      {{a1, a}, a2, "the order of the others does not matter"},
      {{a, a}, a1, "two at the same place: the stepped one equals neither"},
      {{a, a, a1}, a2, "duplicates and a step"},
      {{a2, a1}, a, "no one at the start: no step"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, Cascade(a, c.others, kStep, kWork))) << c.why;
}

TEST(Cascade, WrapsAtTheRightAndBottomEdges) {
  const struct {
    TRectangle window;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{900, 100, 1000, 200}, {922, 122, 1022, 222}, "ends at 1022: still inside"},
      {{902, 100, 1002, 200}, {924, 122, 1024, 222}, "ends exactly at the edge: no wrap"},
      {{910, 100, 1010, 200}, {0, 122, 100, 222}, "passes the right edge: back to the left edge"},
      {{100, 640, 200, 730}, {122, 0, 222, 90}, "passes the bottom edge: back to the top edge"},
      {{910, 640, 1010, 730}, {0, 0, 100, 90}, "passes both: the top-left corner"},
      {{-50, -50, 1100, 800}, {0, 0, 1150, 850}, "larger than the work area: its top-left corner"},
  };
  for (const auto& c : cases) {
    EXPECT_TRUE(Same(c.expected, Cascade(c.window, {c.window}, kStep, kWork))) << c.why;
  }
}

TEST(Cascade, EndsWhenEveryOtherIsUsedUp) {
  // 100 x 100 in a 150 x 150 area: two steps, then the wrap comes back to the start.
  const TRectangle work{0, 0, 150, 150};
  const TRectangle a{0, 0, 100, 100};
  const struct {
    std::vector<TRectangle> others;
    int step;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{a, Offset(a, 22, 22), Offset(a, 44, 44)}, 22, a, "a cycle ends at the start, already used up"},
      {{a, a, a}, 0, a, "step 0 cannot move it, each copy is used once"},
      {{a, a}, -22, a, "a negative step counts as 0"},
      {std::vector<TRectangle>(5000, a), 22, Offset(a, 22, 22), "thousands of copies: one step"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, Cascade(a, c.others, c.step, work))) << c.why;
  const TRectangle corner{INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX};
  EXPECT_TRUE(Same(corner, Cascade(corner, {corner}, INT_MAX, corner)))
      << "a step past the int range wraps to the work area instead of overflowing";
}

TEST(CentredOn, CentresRoundingTowardZero) {
  const struct {
    TRectangle window, screen;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{0, 0, 200, 100}, kScreen, {412, 334, 612, 434}, "even differences"},
      {{5000, 5000, 5200, 5100}, kScreen, {412, 334, 612, 434}, "where it was does not matter"},
      {{0, 0, 201, 101}, kScreen, {411, 333, 612, 434}, "odd differences: 411.5 and 333.5 round down"},
      {{0, 0, 1025, 769}, kScreen, {0, 0, 1025, 769}, "one larger: -0.5 rounds up to 0"},
      {{0, 0, 1027, 771}, kScreen, {-1, -1, 1026, 770}, "three larger: -1.5 rounds up to -1"},
      {{0, 0, 200, 100}, {-1280, 0, 0, 1024}, {-740, 462, -540, 562}, "a screen left of the primary"},
      {{200, 100, 0, 0}, kScreen, {512, 384, 512, 384}, "inverted window: empty in the middle"},
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, kScreen, {-2147483135, -2147483263, INT_MAX, INT_MAX},
       "wider than int: overhangs, the far edges clamped"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, CentredOn(c.window, c.screen))) << c.why;
}

TEST(AtCursor, PutsTheCentreAtTheCursorAndKeeps32PixelsFromTheEdges) {
  const TRectangle window{0, 0, 200, 100};
  const struct {
    int x, y;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {500, 400, {400, 350, 600, 450}, "middle of the screen"},
      {10, 400, {32, 350, 232, 450}, "near the left edge"},
      {1020, 400, {792, 350, 992, 450}, "near the right edge"},
      {500, 5, {400, 32, 600, 132}, "near the top edge"},
      {500, 760, {400, 636, 600, 736}, "near the bottom edge"},
      {132, 82, {32, 32, 232, 132}, "exactly at the top-left limit"},
      {-500, -500, {32, 32, 232, 132}, "off the screen up and left"},
      {INT_MAX, INT_MAX, {792, 636, 992, 736}, "the largest cursor"},
      {INT_MIN, INT_MIN, {32, 32, 232, 132}, "the smallest cursor"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, AtCursor(window, c.x, c.y, kScreen))) << c.why;
}

TEST(AtCursor, CentresAnAxisWhereTheWindowPlus64DoesNotFit) {
  const struct {
    TRectangle window;
    int x, y;
    TRectangle expected;
    const char* why;
  } cases[] = {
      {{0, 0, 201, 100}, 500, 400, {400, 350, 601, 450}, "odd width: the left half is the smaller"},
      {{0, 0, 960, 100}, 10, 400, {32, 350, 992, 450}, "960 plus 64 fits exactly"},
      {{0, 0, 961, 100}, 10, 400, {31, 350, 992, 450}, "961 plus 64 does not: centred across"},
      {{0, 0, 1100, 100}, 10, 400, {-38, 350, 1062, 450}, "wider than the screen: overhangs both sides"},
      {{0, 0, 200, 720}, 10, 10, {32, 24, 232, 744}, "taller only: the other axis still follows the cursor"},
  };
  for (const auto& c : cases) EXPECT_TRUE(Same(c.expected, AtCursor(c.window, c.x, c.y, kScreen))) << c.why;
}

TEST(TakeLiveState, TakesVisibilityAndDisablingFromTheWindow) {
  constexpr uint32_t kPopup = 0x80C80000;  // WS_POPUP | WS_CAPTION | WS_SYSMENU
  constexpr uint32_t kThickFrame = 0x00040000;
  const struct {
    uint32_t savedStyle, savedShow, currentStyle;
    uint32_t style, show;
    const char* why;
  } cases[] = {
      {kPopup, kShowNormal, kPopup | kStyleVisible, kPopup | kStyleVisible, kShowNormal, "shown now: visible"},
      {kPopup | kStyleVisible | kStyleDisabled, kShowNormal, kPopup, kPopup, kShowHide,
       "hidden and enabled now: both dropped, hidden"},
      {kPopup, kShowHide, kPopup | kStyleVisible, kPopup | kStyleVisible, kShowShow, "visible with 0: SW_SHOW"},
      {kPopup, kShowNormal, kStyleVisible | kStyleDisabled, kPopup | kStyleVisible | kStyleDisabled, kShowNormal,
       "disabled now (its owner runs a modal box)"},
      {kPopup, kShowNormal, kPopup | kStyleVisible | kThickFrame, kPopup | kStyleVisible, kShowNormal,
       "other current bits do not leak in"},
      {kPopup | kThickFrame, kShowNormal, kStyleVisible, kPopup | kThickFrame | kStyleVisible, kShowNormal,
       "saved bits other than the two stay"},
      {kPopup | kStyleMaximize, kShowMaximized, kPopup, kPopup, kShowHide, "hidden and maximized: hidden, no flag"},
      {kPopup, kShowMaximized, kStyleVisible, kPopup | kStyleVisible | kStyleMaximize, kShowMaximized,
       "maximized: the style says so too"},
      {kPopup | kStyleMaximize, kShowNormal, kStyleVisible, kPopup | kStyleVisible, kShowNormal,
       "normal: a stray maximize flag goes"},
      {kPopup | kStyleMinimize, kShowMinimized, kStyleVisible, kPopup | kStyleVisible, kShowNormal,
       "minimized: a dialog reopens normal"},
      {kPopup, kShowMinimize, kStyleVisible, kPopup | kStyleVisible, kShowNormal, "SW_MINIMIZE"},
      {kPopup, kShowMinNoActive, kStyleVisible, kPopup | kStyleVisible, kShowNormal, "SW_SHOWMINNOACTIVE"},
      {kPopup, kShowForceMinimize, kStyleVisible, kPopup | kStyleVisible, kShowNormal, "SW_FORCEMINIMIZE"},
      {kPopup | kStyleMinimize, kShowHide, 0, kPopup, kShowHide, "hidden: no minimize flag either"},
  };
  for (const auto& c : cases) {
    TPlacementRecord record = SampleRecord();
    record.style = c.savedStyle;
    record.showCommand = c.savedShow;
    TakeLiveState(record, c.currentStyle);
    EXPECT_EQ(c.style, record.style) << c.why;
    EXPECT_EQ(c.show, record.showCommand) << c.why;
    EXPECT_TRUE(Same(SampleRecord().normal, record.normal)) << c.why;
  }
}
