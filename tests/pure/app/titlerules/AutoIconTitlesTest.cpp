#include "app/titlerules/pure/AutoIconTitles.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

TTextList List(std::initializer_list<const char*> texts) {
  TTextList list;
  for (const char* text : texts) list.Append(text);
  return list;
}

}  // namespace

TEST(AutoIconTitles, ANewEntryIsNumberedUntilNoEntryHoldsIt) {
  struct Case {
    const char* why;
    TTextList titles;
    const char* text;
    const char* expected;
  } cases[] = {
      {"a free text stays", List({"b"}), "a", "a"},
      {"taken once", List({"new"}), "new", "new 2"},
      {"the numbered forms are taken too", List({"new 2", "new", "new 3"}), "new", "new 4"},
      {"a final number is counted up", List({"x 9"}), "x 9", "x 10"},
      {"past the next number too", List({"x 9", "x 10"}), "x 9", "x 11"},
      {"digits glued to a word are no number", List({"abc9"}), "abc9", "abc9 2"},
      {"letter case counts: no collision", List({"ABC"}), "abc", "abc"},
      {"an empty text is numbered like any other", List({""}), "", " 2"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, FreeTitle(c.titles, c.text).Bytes()) << c.why;
}

TEST(AutoIconTitles, AConfirmedEditReplacesRemovesOrIsRefused) {
  const TTextList titles = List({"a", "b", "B"});
  struct Case {
    const char* why;
    const char* working;
    const char* typed;
    TTitleEdit expected;
  } cases[] = {
      {"a new text replaces", "a", "c", TTitleEdit::Replace},
      {"the unchanged text is no duplicate of itself", "a", "a", TTitleEdit::Replace},
      {"another entry's text is refused", "a", "b", TTitleEdit::Duplicate},
      {"entries compare byte for byte", "B", "b", TTitleEdit::Duplicate},
      {"a text differing in case only is new", "a", "A", TTitleEdit::Replace},
      {"an empty text removes", "a", "", TTitleEdit::Remove},
      {"an empty new entry removes it", "c", "", TTitleEdit::Remove},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, JudgeTitleEdit(titles, c.working, c.typed)) << c.why;
}

TEST(AutoIconTitles, AfterARemovalTheSelectionStaysInPlaceOrStepsBack) {
  struct Case {
    const char* why;
    int remaining;
    int removedAt;
    int expected;
  } cases[] = {
      {"the next entry moves up into place", 2, 0, 0},
      {"in the middle", 2, 1, 1},
      {"the last one went: its predecessor", 2, 2, 1},
      {"nothing left", 0, 0, -1},
      {"an index beyond any list", 3, 9, 2},
      {"a negative index", 3, -1, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, SelectionAfterRemoval(c.remaining, c.removedAt)) << c.why;
}

TEST(AutoIconTitles, TheTypedWatchTimeIsClampedOrIgnored) {
  struct Case {
    const char* why;
    const char* text;
    int expected;
  } cases[] = {
      {"within the bounds", "45", 45},
      {"above the upper bound", "500", 90},
      {"below the lower bound", "1", 3},
      {"zero", "0", 3},
      {"leading zeros", "007", 7},
      {"more digits than any integer holds", "99999999999999999999999", 90},
      {"a minus sign (pasted)", "-5", 3},
      {"a plus sign", "+12", 12},
      {"spaces around the number", " 12 ", 12},
      {"empty: the value stays", "", 20},
      {"a sign alone", "-", 20},
      {"letters", "abc", 20},
      {"digits then letters", "12a", 20},
      {"two numbers", "1 2", 20},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, ReadWatchTime(c.text, 3, 90, 20)) << c.why;
}
