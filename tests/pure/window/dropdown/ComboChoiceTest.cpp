#include "framework/window/dropdown/pure/ComboChoice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<TString> History(std::initializer_list<const char*> texts) {
  std::vector<TString> result;
  for (const char* text : texts) result.push_back(TString(text));
  return result;
}

// Caret at the end of `typed`, nothing selected.
TCompletion TypedAtEnd(const std::vector<TString>& history, const char* before, const char* typed) {
  const TString text(typed);
  return ChooseCompletion(history, TString(before), text, text.Length(), text.Length());
}

TEST(ComboCompletion, AGrowingTextIsCompletedByTheFirstEntryItBegins) {
  const std::vector<TString> history =
      History({"C:\\Tools\\Editor.exe", "c:\\temp\\notes.txt", "C:\\Temp\\Notes.txt", "D:\\data"});
  struct Case {
    const char* why;
    const char* before;
    const char* typed;
    int entry;
    const char* text;  // the edit's text after completing; null: no completion
  } cases[] = {
      {"another case completes to the entry as it is stored", "c:\\t", "c:\\to", 0, "C:\\Tools\\Editor.exe"},
      {"the first of two matching entries wins", "C:\\Te", "C:\\TEM", 1, "c:\\temp\\notes.txt"},
      {"one typed character is enough", "", "d", 3, "D:\\data"},
      {"an entry equal to the text completes to itself", "D:\\dat", "D:\\DATA", 3, "D:\\data"},
      {"no entry begins so: nothing", "C:\\", "C:\\x", kNoEntry, nullptr},
      {"a text longer than every entry: nothing", "D:\\data", "D:\\data\\", kNoEntry, nullptr},
  };
  for (const Case& c : cases) {
    const TCompletion completion = TypedAtEnd(history, c.before, c.typed);
    EXPECT_EQ(c.entry, completion.entry) << c.why;
    EXPECT_EQ(c.text != nullptr, completion.completes) << c.why;
    if (c.text == nullptr || !completion.completes) continue;
    EXPECT_EQ(TString(c.text), completion.text) << c.why;
    EXPECT_EQ(TString(c.typed).Length(), completion.selectFrom) << c.why << ": the added part is selected";
  }
}

TEST(ComboCompletion, OnlyTypingAtTheEndCompletesOtherChangesFollowAnEqualEntry) {
  const std::vector<TString> history = History({"alpha", "beta", "Al"});
  struct Case {
    const char* why;
    const char* before;
    const char* typed;
    size_t start;
    size_t end;
    int entry;
  } cases[] = {
      {"deleting the completion leaves the typed text alone", "al", "al", 2, 2, 2},
      {"backspace shrinks the text: no completion", "alp", "al", 2, 2, 2},
      {"typed in the middle, caret not at the end", "bta", "beta", 2, 2, 1},
      {"a selection up to the end is no caret at the end", "b", "be", 1, 2, kNoEntry},
      {"nothing equal, nothing followed", "gamm", "gam", 3, 3, kNoEntry},
  };
  for (const Case& c : cases) {
    const TCompletion completion =
        ChooseCompletion(history, TString(c.before), TString(c.typed), c.start, c.end);
    EXPECT_FALSE(completion.completes) << c.why;
    EXPECT_EQ(c.entry, completion.entry) << c.why;
  }
}

TEST(ComboCompletion, CaseIsFoldedByCharactersNeverInsideADoubleByteOne) {
  struct Case {
    const char* why;
    const char* text;
    const char* prefix;
    bool starts;
  } cases[] = {
      {"ASCII letters fold", "README.txt", "read", true},
      {"full-width letters fold (A and a, full width)", "\x82\x60\x82\x61", "\x82\x81", true},
      {"a trail byte that is an ASCII letter never folds", "\x83\x41", "\x83\x61", false},
      {"a prefix that ends in half a character does not match", "\x83\x41z", "\x83", false},
      {"a prefix longer than the text", "ab", "abc", false},
      {"the empty prefix begins everything", "x", "", true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.starts, StartsWithIgnoringCase(TString(c.text), TString(c.prefix))) << c.why;
  }
}

TEST(ComboListPlacement, OpensBelowTheFieldUnlessItWouldPassTheScreenBottom) {
  const TRectangle screen{0, 0, 1024, 768};
  struct Case {
    const char* why;
    TRectangle field;
    int height;
    TRectangle list;
  } cases[] = {
      {"room below: under the field, its width", {100, 200, 300, 222}, 150, {100, 222, 300, 372}},
      {"ending exactly at the bottom still fits", {100, 500, 300, 522}, 246, {100, 522, 300, 768}},
      {"one pixel too far: above the field", {100, 500, 300, 522}, 247, {100, 253, 300, 500}},
      {"near the bottom edge: above", {10, 740, 210, 762}, 120, {10, 620, 210, 740}},
      {"a negative height is none", {0, 0, 50, 20}, -5, {0, 20, 50, 20}},
      {"far coordinates do not wrap", {0, 2147483600, 10, 2147483640}, 100,
       {0, 2147483500, 10, 2147483600}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.list, PlaceDropList(c.field, c.height, screen)) << c.why;
}

TEST(DropListHeight, WholeEntriesWithinTheWantedHeight) {
  struct Case {
    const char* why;
    int wanted, entries, entryHeight, frame;
    int height;
  } cases[] = {
      {"more entries than fit: whole ones only", 120, 7, 18, 2, 6 * 18 + 2},
      {"exactly fitting", 110, 9, 18, 2, 110},
      {"few entries: no empty room", 120, 2, 18, 2, 2 * 18 + 2},
      {"no entries: one empty row", 120, 0, 18, 2, 18 + 2},
      {"wanted below one entry: one entry still", 10, 5, 18, 2, 18 + 2},
      {"no entry height: as wanted", 120, 5, 0, 2, 120},
      {"a negative wish is none", -5, 5, 0, 2, 0},
      {"huge entries do not overflow", 2147483647, 2147483647, 2147483647, 0, 2147483647},
  };
  for (const auto& c : cases) EXPECT_EQ(c.height, DropListHeight(c.wanted, c.entries, c.entryHeight, c.frame)) << c.why;
}

TEST(ComboListStepping, StepsStayWithinTheEntries) {
  struct Case {
    const char* why;
    int current;
    int count;
    TListStep step;
    int page;
    int next;
  } cases[] = {
      {"empty list: nothing", 0, 0, TListStep::LineDown, 1, kNoEntry},
      {"nothing selected: the first, even going up", kNoEntry, 5, TListStep::LineUp, 1, 0},
      {"nothing selected: the first, even to the bottom", kNoEntry, 5, TListStep::Bottom, 1, 0},
      {"a selection past the end counts as none", 9, 5, TListStep::LineUp, 1, 0},
      {"up from the first stays", 0, 5, TListStep::LineUp, 1, 0},
      {"down from the last stays", 4, 5, TListStep::LineDown, 1, 4},
      {"down one", 1, 5, TListStep::LineDown, 1, 2},
      {"a page down stops at the last", 3, 5, TListStep::PageDown, 4, 4},
      {"a page up stops at the first", 2, 5, TListStep::PageUp, 4, 0},
      {"a page of zero is one", 2, 5, TListStep::PageDown, 0, 3},
      {"a huge page does not overflow", 2, 5, TListStep::PageDown, 2147483647, 4},
      {"top", 3, 5, TListStep::Top, 1, 0},
      {"bottom", 1, 5, TListStep::Bottom, 1, 4},
  };
  for (const Case& c : cases) EXPECT_EQ(c.next, StepSelection(c.current, c.count, c.step, c.page)) << c.why;
}

TEST(ComboListAutoScroll, ScrollsTowardsTheCursorOnlyAboveOrBelowTheList) {
  const TRectangle list{0, 0, 100, 80};
  struct Case {
    const char* why;
    int x;
    int y;
    int direction;
  } cases[] = {
      {"above", 50, -1, -1},
      {"below: the bottom edge is outside", 50, 80, 1},
      {"over the list", 50, 40, 0},
      {"beside it, level with it", 120, 40, 0},
      {"below but to the right", 100, 120, 0},
      {"above but to the left", -1, -10, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.direction, AutoScrollDirection(c.x, c.y, list)) << c.why;
}

}  // namespace
