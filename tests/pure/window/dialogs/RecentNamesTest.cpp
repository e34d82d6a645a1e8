#include "framework/window/dialogs/pure/RecentNames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

std::vector<TString> Texts(std::initializer_list<const char*> texts) {
  return std::vector<TString>(texts.begin(), texts.end());
}

TEST(RecentNames, StampsAreTwentyFiveCharactersThatSortByAge) {
  struct Case {
    const char* why;
    TStampTime time;
    std::uint32_t picker;
    const char* stamp;
  } cases[] = {
      {"every field zero-padded, identifier in upper-case hex", {2026, 1, 2, 3, 4, 5, 6}, 0xab, "20260102030405006000000AB"},
      {"afternoon in 24-hour form, full identifier", {1999, 12, 31, 23, 59, 59, 999}, 0xFFFFFFFFu,
       "19991231235959999FFFFFFFF"},
  };
  for (const Case& c : cases) {
    const std::string stamp = RecentNameStamp(c.time, c.picker);
    EXPECT_EQ(c.stamp, stamp) << c.why;
    EXPECT_EQ(25u, stamp.size()) << c.why;
  }
  // A later millisecond sorts above an earlier one even from a picker with a smaller identifier.
  EXPECT_GT(RecentNameStamp({2026, 1, 2, 3, 4, 5, 7}, 0), RecentNameStamp({2026, 1, 2, 3, 4, 5, 6}, 0xFFFFFFFFu));
  EXPECT_GT(RecentNameStamp({2026, 1, 2, 13, 0, 0, 0}, 0), RecentNameStamp({2026, 1, 2, 9, 0, 0, 0}, 0))
      << "1 pm after 9 am";
}

TEST(RecentNames, CuttingKeepsTheNewestAndHandsBackTheOlder) {
  struct Case {
    const char* why;
    std::vector<TString> names;
    size_t limit;
    std::vector<TString> kept;
    std::vector<TString> older;
  } cases[] = {
      {"within the limit nothing is cut, but the order becomes newest first", Texts({"1", "3", "2"}), 3,
       Texts({"3", "2", "1"}), {}},
      {"beyond it the oldest go", Texts({"2", "5", "1", "4", "3"}), 3, Texts({"5", "4", "3"}), Texts({"2", "1"})},
      {"an empty key", {}, 20, {}, {}},
  };
  for (Case& c : cases) {
    const std::vector<TString> older = CutToNewest(c.names, c.limit);
    EXPECT_EQ(c.kept, c.names) << c.why;
    EXPECT_EQ(c.older, older) << c.why;
  }
}

TEST(RecentNames, KeysMergeIntoOneTableNewestFirstCutToTheLimit) {
  // Names from different keys compare as they are: stamps start with the date.
  const std::vector<TRecentRow> rows = MergeNewestFirst(
      {Texts({"20260101", "20260105", "20260103"}), {}, Texts({"20260104", "20260102"})}, 4);
  ASSERT_EQ(4u, rows.size()) << "the fifth and oldest row is cut";
  const size_t expectedKeys[] = {0, 2, 0, 2};
  const char* expectedNames[] = {"20260105", "20260104", "20260103", "20260102"};
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(expectedKeys[i], rows[i].key) << i;
    EXPECT_EQ(TString(expectedNames[i]), rows[i].name) << i;
  }
  EXPECT_TRUE(MergeNewestFirst({Texts({"1"})}, 0).empty()) << "a limit of none";
}

TEST(RecentNames, FillingAppendsExistingTextsOnceAndReportsTheStaleOnes) {
  const std::set<std::string> existing = {"C:\\a.txt", "C:\\b.txt", "C:\\doc.txt"};
  auto exists = [&](const TString& text) { return existing.count(text.Bytes()) != 0; };
  const std::vector<TRecentValue> values = {
      {{0, "n5"}, "C:\\a.txt"},
      {{1, "n4"}, "C:\\gone.txt"},
      {{0, "n3"}, "C:\\doc.txt"},  // already there as a recent document
      {{0, "n2"}, "C:\\a.txt"},    // a second value of the same text
      {{1, "n1"}, "c:\\B.TXT"},    // exact compare: another text, which does not exist
      {{1, "n0"}, "C:\\b.txt"},
  };
  const TRecentFill fill = FillRecentHistory(Texts({"C:\\doc.txt"}), values, exists);
  EXPECT_EQ(Texts({"C:\\doc.txt", "C:\\a.txt", "C:\\b.txt"}), fill.history);
  ASSERT_EQ(2u, fill.stale.size());
  EXPECT_EQ(TString("n4"), fill.stale[0].name);
  EXPECT_EQ(1u, fill.stale[0].key);
  EXPECT_EQ(TString("n1"), fill.stale[1].name);
}

}  // namespace
