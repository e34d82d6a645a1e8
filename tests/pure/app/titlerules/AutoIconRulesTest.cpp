#include "app/titlerules/pure/AutoIconRules.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "framework/text/MatchText.h"

namespace {

TTextList Patterns(std::initializer_list<const char*> texts) {
  TTextList list;
  for (const char* text : texts) list.Append(text);
  return list;
}

}  // namespace

TEST(AutoIconRules, FlagWordsOfTheFourChoices) {
  EXPECT_EQ(0x329u, AutoIconMatchFlags(false, false));
  EXPECT_EQ(0x229u, AutoIconMatchFlags(true, false));
  EXPECT_EQ(0x129u, AutoIconMatchFlags(false, true));
  EXPECT_EQ(0x29u, AutoIconMatchFlags(true, true));
}

TEST(AutoIconRules, TitlesMatchedUnderCaseAndWidthChoices) {
  struct Case {
    const char* reason;
    const char* title;
    const char* pattern;
    bool distinguishCase, distinguishWidth;
    bool stored;
  } cases[] = {
      {"lower-case pattern, upper-case title, case folded", "MY NOTES - editor", "notes", false, true, true},
      {"the same with case distinguished", "MY NOTES - editor", "notes", true, true, false},
      {"full-width upper case, case and width folded", "ＮＯＴＥＳ", "notes", false, false, true},
      {"full-width upper case, width distinguished", "ＮＯＴＥＳ", "notes", false, true, false},
      {"half-width voiced katakana against full-width", "ダウンロード中", "ﾀﾞｳﾝﾛｰﾄﾞ", false, false, true},
      {"the same with width distinguished", "ダウンロード中", "ﾀﾞｳﾝﾛｰﾄﾞ", false, true, false},
      {"byte-wise: A is the trail byte of a katakana", "ア", "A", true, true, true},
      {"an unreadable title is matched as such", "不明", "不明", false, false, true},
      {"an empty pattern matches every titled window", "anything", "", false, false, true},
      {"an empty title never matches", "", "", false, false, false},
  };
  for (const auto& c : cases) {
    TScannedWindow window{c.title, false, false};
    const TTitleMatcher matcher(Patterns({"zzz", c.pattern}), c.distinguishCase, c.distinguishWidth);
    EXPECT_EQ(c.stored, ShouldAutoIconize(window, matcher, TScanMode::Startup)) << c.reason;
    // Folding once per pass answers as the comparison with the flag word does.
    const unsigned flags = AutoIconMatchFlags(c.distinguishCase, c.distinguishWidth);
    EXPECT_EQ(MatchText(c.title, c.pattern, flags), matcher.Matches(c.title)) << c.reason;
  }
}

TEST(AutoIconRules, ModesAndWindowsTheUserTookBack) {
  struct Case {
    const char* reason;
    TScanMode mode;
    bool minimized, released;
    bool stored;
  } cases[] = {
      {"the watch stores a shown window", TScanMode::Startup, false, false, true},
      {"the watch leaves a window taken back", TScanMode::Startup, false, true, false},
      {"the watch stores a window taken back and minimized again", TScanMode::Startup, true, true, true},
      {"periodic: only minimized windows", TScanMode::Periodic, false, false, false},
      {"periodic: a minimized one", TScanMode::Periodic, true, false, true},
      {"periodic: taken back does not matter", TScanMode::Periodic, true, true, true},
  };
  const TTitleMatcher matcher(Patterns({"edit"}), false, false);
  for (const auto& c : cases) {
    TScannedWindow window{"editor", c.minimized, c.released};
    EXPECT_EQ(c.stored, ShouldAutoIconize(window, matcher, c.mode)) << c.reason;
    // With a matching title the state alone decides, so a pass may ask it first.
    EXPECT_EQ(c.stored, StateAllowsAutoIconize(c.minimized, c.released, c.mode)) << c.reason;
  }
}

TEST(AutoIconRules, TheWatchEndsByTheTimeElapsedAcrossTheTickCountsWrap) {
  struct Case {
    uint32_t armedAt, now;
    bool over;
    const char* reason;
  } const cases[] = {
      {1000, 11000, false, "exactly the watch's length"},
      {1000, 11001, true, "one millisecond more"},
      {1000, 999, true, "49.7 days later, just before the same count"},
      // Armed in the last timer period before the wrap: the deadline itself
      // wraps, and a comparison with it would store shown windows for 49.7 days.
      {0xFFFFFC00u, 0xFFFFFF00u, false, "before the wrap"},
      {0xFFFFFC00u, 0x00000100u, false, "across the wrap, within the watch"},
      {0xFFFFFC00u, 0x00002310u, false, "across the wrap, at the end"},
      {0xFFFFFC00u, 0x00002311u, true, "across the wrap, past the end"},
      {0xFFFFF000u, 0xFFFFF000u, false, "no time passed"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.over, WatchIsOver(c.now, c.armedAt, 10000)) << c.reason;
}

TEST(AutoIconRules, AnEditedWatchTimeStaysWithinTheDialogsBounds) {
  struct Case {
    int stored;
    uint32_t lengthMs;
  } const cases[] = {{10, 10000}, {3, 3000}, {90, 90000}, {2, 3000}, {0, 3000}, {-1, 3000},
                     {91, 90000}, {0x7FFFFFFF, 90000}, {-0x7FFFFFFF - 1, 3000}, {4294968, 90000}};
  for (const Case& c : cases) EXPECT_EQ(c.lengthMs, WatchLengthMs(c.stored, 3, 90)) << c.stored;
}
