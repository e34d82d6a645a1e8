#include "framework/window/elements/pure/History.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<TString> Texts(std::initializer_list<const char*> texts) {
  std::vector<TString> result;
  for (const char* text : texts) result.push_back(TString(text));
  return result;
}

TEST(History, NewTextsGoOnTopOnceAndTheLimitDropsTheOldest) {
  struct Case {
    const char* why;
    std::vector<TString> before;
    const char* text;
    int limit;
    std::vector<TString> after;
  } cases[] = {
      {"into an empty history", {}, "a", kNoHistoryLimit, Texts({"a"})},
      {"a new text goes on top", Texts({"a", "b"}), "c", kNoHistoryLimit, Texts({"c", "a", "b"})},
      {"an old text moves to the top, not twice", Texts({"a", "b", "c"}), "c", kNoHistoryLimit,
       Texts({"c", "a", "b"})},
      {"equal means byte for byte", Texts({"ﾒﾓ", "メモ"}), "メモ", kNoHistoryLimit, Texts({"メモ", "ﾒﾓ"})},
      {"an empty text is an entry too", Texts({"a"}), "", kNoHistoryLimit, Texts({"", "a"})},
      {"the eleventh entry drops the oldest", Texts({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), "11", 10,
       Texts({"11", "1", "2", "3", "4", "5", "6", "7", "8", "9"})},
      {"a repeated text under a limit drops nothing", Texts({"1", "2", "3"}), "3", 3, Texts({"3", "1", "2"})},
      {"limit 0 keeps nothing", Texts({"a"}), "b", 0, {}},
      {"any negative limit keeps everything", Texts({"a", "b"}), "c", -7, Texts({"c", "a", "b"})},
  };
  for (Case& c : cases) {
    AddToHistory(c.before, TString(c.text), c.limit);
    EXPECT_EQ(c.after, c.before) << c.why;
  }
}

TEST(History, ValueNamesHaveSixDigits) {
  EXPECT_EQ("000000", HistoryValueName(0));
  EXPECT_EQ("000042", HistoryValueName(42));
  EXPECT_EQ("999999", HistoryValueName(999999));
  EXPECT_EQ("1000000", HistoryValueName(1000000));  // wider, never cut
}

}  // namespace
