#include "framework/window/menus/pure/MenuMeasure.h"

#include <gtest/gtest.h>

#include <climits>

TEST(LimitMenuWidth, CutsAWidthThatReachesHalfTheScreenToAThird) {
  struct Case {
    int width;
    int screen;
    int expected;
    const char* reason;
  } cases[] = {
      {511, 1024, 511, "one pixel short of half stays"},
      {512, 1024, 341, "exactly half is reached"},
      {2000, 1024, 341, "wider than the screen"},
      {512, 1025, 512, "an odd screen's half is 512.5, not 512"},
      {513, 1025, 341, "past the odd half"},
      {0, 1024, 0, "nothing stays nothing"},
      {-5, 1024, 0, "a negative width counts as none"},
      {100, 0, 100, "a screen of unknown width limits nothing"},
      {100, -1, 100, "nor does a nonsense one"},
      {1, 1, 0, "a one-pixel screen: a third of it is none"},
      {INT_MAX, 1024, 341, "the largest width does not overflow the doubling"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, LimitMenuWidth(c.width, c.screen)) << c.width << " on " << c.screen << ": " << c.reason;
  }
}

TEST(MeasureMenuItem, AddsTheIconCellAndTakesTheGapOff) {
  struct Case {
    int labelWidth;
    int labelHeight;
    int gap;
    int screen;
    int cell;
    int width;
    int height;
    int storedLabel;
    const char* reason;
  } cases[] = {
      {100, 16, 6, 1024, 19, 115, 19, 94, "19 + 100 + 2 - 6; the small cell is taller than the text"},
      {100, 26, 6, 1024, 19, 115, 26, 94, "one pixel short of the large cell: the text sets the height"},
      {100, 27, 6, 1024, 35, 131, 35, 94, "19 + 8 high takes the 35-pixel cell"},
      {100, 40, 6, 1024, 35, 131, 40, 94, "a text taller than the large cell"},
      {0, 16, 6, 1024, 19, 15, 19, 0, "an empty label is the cell and the margin less the gap"},
      {496, 16, 6, 1024, 19, 511, 19, 490, "one pixel short of half the screen"},
      {497, 16, 6, 1024, 19, 341, 19, 491, "half the screen becomes a third"},
      {2, 16, 30, 1024, 19, 0, 19, 0, "a gap wider than the rest gives no width, never a negative one"},
      {5000, 16, 6, 0, 19, 5015, 19, 4994, "no screen width: no limit"},
      {-10, -10, -3, 1024, 19, 21, 19, 0, "negative measures count as none"},
  };
  for (const auto& c : cases) {
    const TMenuItemSize size = MeasureMenuItem({c.labelWidth, c.labelHeight, 0, false, false}, c.gap, c.screen);
    EXPECT_EQ(c.cell, size.iconCell) << c.reason;
    EXPECT_EQ(c.cell == kLargeIconCell, size.largeIcon) << c.reason;
    EXPECT_EQ(c.width, size.ownWidth) << c.reason;
    EXPECT_EQ(c.height, size.height) << c.reason;
    EXPECT_EQ(c.storedLabel, size.labelWidth) << c.reason;
  }
}

TEST(MeasureMenuItem, ASeparatorIsALowLineWithoutWidth) {
  const TMenuItemSize size = MeasureMenuItem({300, 40, 50, true, true}, 6, 1024);
  EXPECT_EQ(kMenuSeparatorHeight, size.height);
  EXPECT_EQ(0, size.ownWidth);
  EXPECT_FALSE(size.largeIcon);
}

TEST(ShortcutNeedsRoom, OnlyLaterWindows9xMakesRoomItself) {
  struct Case {
    unsigned major, minor, build;
    bool nt;
    bool expected;
    const char* reason;
  } cases[] = {
      {4, 0, 950, false, true, "Windows 95"},
      {4, 10, 1997, false, true, "a 4.10 build before 1998"},
      {4, 10, 1998, false, false, "Windows 98"},
      {4, 10, 2222, false, false, "Windows 98 SE"},
      {4, 90, 3000, false, false, "Windows Me"},
      {3, 95, 9999, false, true, "anything before 4"},
      {4, 10, 1998, true, true, "NT needs room whatever its version"},
      {5, 1, 2600, true, true, "XP is NT"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, ShortcutNeedsRoom(c.major, c.minor, c.build, c.nt)) << c.reason;
  }
}

TEST(HonoursInactiveItems, FromWindows98And2000On) {
  EXPECT_FALSE(HonoursInactiveItems(4, 0)) << "95 and NT 4";
  EXPECT_TRUE(HonoursInactiveItems(4, 10)) << "98";
  EXPECT_TRUE(HonoursInactiveItems(5, 0)) << "2000";
  EXPECT_FALSE(HonoursInactiveItems(3, 99)) << "older still";
}

namespace {

TMenuItemText Label(int width, int height = 16) { return {width, height, 0, false, false}; }
TMenuItemText WithShortcut(int width, int shortcut) { return {width, 16, shortcut, true, false}; }
TMenuItemText Separator() { return {0, 0, 0, false, true}; }

}  // namespace

TEST(LayoutMenu, GivesEveryItemTheWidestWidthAndATwentiethMore) {
  struct Case {
    std::vector<TMenuItemText> texts;
    int submenuWidest;
    int screen;
    int common;
    std::vector<int> widths;
    const char* reason;
  } cases[] = {
      {{Label(100), Label(50), Label(200)}, 0, 1024, 215, {225, 225, 225}, "the widest item (215) sets all, +215/20"},
      {{Label(100), Separator()}, 0, 1024, 115, {120, 120}, "a separator takes the menu's width"},
      {{Label(100)}, 300, 1024, 300, {315}, "a wider submenu widens its parent"},
      {{Label(100)}, 600, 1024, 341, {358}, "a submenu at half the screen counts as a third"},
      {{Label(600), Label(10)}, 0, 1024, 341, {358, 358}, "an item at half the screen makes the menu a third"},
      {{Label(491)}, 0, 1024, 506, {341}, "506 + 25 reaches half the screen after growing"},
      {{Separator(), Separator()}, 0, 1024, 0, {0, 0}, "separators alone have no width"},
      {{}, 0, 1024, 0, {}, "an empty menu"},
      {{Label(100, 30), Label(100)}, 0, 1024, 131, {137, 137}, "a tall label's large cell counts in the common width"},
      {{Label(400)}, 600, 1024, 415, {435}, "an item wider than a third stays when a wider submenu is cut to a third"},
  };
  for (const auto& c : cases) {
    const TMenuLayout layout = LayoutMenu(c.texts, c.submenuWidest, 6, c.screen, true);
    EXPECT_EQ(c.common, layout.commonWidth) << c.reason;
    ASSERT_EQ(c.widths.size(), layout.items.size()) << c.reason;
    for (size_t i = 0; i < c.widths.size(); ++i) EXPECT_EQ(c.widths[i], layout.items[i].width) << c.reason << " #" << i;
  }
}

TEST(LayoutMenu, PutsShortcutsInOneColumnThreeGapsPastTheCommonWidth) {
  const std::vector<TMenuItemText> texts = {WithShortcut(100, 40), Label(150), WithShortcut(20, 0)};
  struct Case {
    bool needsRoom;
    std::vector<int> widths;
    const char* reason;
  } cases[] = {
      {true, {221, 173, 179}, "NT and old 9x: W + shortcut + gap, then a twentieth"},
      {false, {173, 173, 173}, "later 9x makes the room itself: every item is W + a twentieth"},
  };
  for (const auto& c : cases) {
    const TMenuLayout layout = LayoutMenu(texts, 0, 6, 1024, c.needsRoom);
    EXPECT_EQ(165, layout.commonWidth);
    EXPECT_EQ(150, layout.textColumn);
    EXPECT_EQ(40, layout.shortcutWidth);
    EXPECT_EQ(183, layout.items[0].shortcutColumn) << "165 + 3 * 6";
    EXPECT_EQ(0, layout.items[1].shortcutColumn) << "no tab, no column";
    EXPECT_EQ(183, layout.items[2].shortcutColumn) << "an empty shortcut after a tab still has its column";
    for (size_t i = 0; i < c.widths.size(); ++i) EXPECT_EQ(c.widths[i], layout.items[i].width) << c.reason << " #" << i;
  }
}

TEST(MenuGap, IsHalfAFullWidthCharacter) {
  EXPECT_EQ(6, MenuGap(12));
  EXPECT_EQ(6, MenuGap(13)) << "rounded down";
  EXPECT_EQ(0, MenuGap(-4)) << "a failed measure gives no gap";
}
