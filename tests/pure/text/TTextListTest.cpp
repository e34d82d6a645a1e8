#include "framework/text/TTextList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/text/TStringArray.h"

namespace {

TTextList ListOf(const std::vector<const char*>& texts) {
  TTextList list;
  for (const char* text : texts) list.Append(text);
  return list;
}

std::vector<std::string> Contents(const TTextList& list) {
  std::vector<std::string> texts;
  for (const TString& text : list) texts.push_back(text.Bytes());
  return texts;
}

using Texts = std::vector<std::string>;

}  // namespace

TEST(TextListInsert, IndexRulesAtBothEnds) {
  struct Case {
    int index;
    Texts expected;
  };
  const std::vector<Case> cases = {
      {0, {"x", "a", "b", "c"}},
      {1, {"a", "x", "b", "c"}},
      {2, {"a", "b", "x", "c"}},
      {3, {"a", "b", "c", "x"}},   // the count appends
      {-1, {"a", "b", "c", "x"}},  // -1 appends
      {-2, {"x", "a", "b", "c"}},  // other negative indexes insert first
      {-100, {"x", "a", "b", "c"}},
      {7, {"a", "b", "c", "x"}},   // past the end: appended rather than lost
  };
  for (const Case& c : cases) {
    TTextList list = ListOf({"a", "b", "c"});
    list.Insert(c.index, "x");
    EXPECT_EQ(c.expected, Contents(list)) << "index " << c.index;
  }
  TTextList empty;
  empty.Insert(0, "x");
  EXPECT_EQ(Texts({"x"}), Contents(empty));
}

TEST(TextListErase, RangesClearAndOutOfRange) {
  struct Case {
    int first;
    int last;
    Texts expected;
  };
  const std::vector<Case> cases = {
      {0, 0, {"b", "c", "d"}},
      {1, 2, {"a", "d"}},
      {3, 3, {"a", "b", "c"}},
      {0, 3, {}},
      {2, 1, {"a", "b", "c", "d"}},  // an empty range
      {-5, 0, {"b", "c", "d"}},      // clamped to the list
      {2, 99, {"a", "b"}},
  };
  for (const Case& c : cases) {
    TTextList list = ListOf({"a", "b", "c", "d"});
    list.Erase(c.first, c.last);
    EXPECT_EQ(c.expected, Contents(list)) << c.first << ".." << c.last;
    EXPECT_EQ(static_cast<int>(c.expected.size()), list.Count());
  }
  TTextList list = ListOf({"a", "b"});
  list.Erase(1);
  EXPECT_EQ(Texts({"a"}), Contents(list));
  list.Clear();
  EXPECT_EQ(0, list.Count());
  list.Clear();  // clearing an empty list is harmless
  EXPECT_EQ(0, list.Count());
}

TEST(TextListMove, RunsMoveBeforeANodeOrToTheEnd) {
  struct Case {
    int before;
    int start;
    int n;
    Texts expected;
  };
  const std::vector<Case> cases = {
      {0, 3, 2, {"d", "e", "a", "b", "c"}},
      {1, 4, 1, {"a", "e", "b", "c", "d"}},
      {4, 0, 2, {"c", "d", "a", "b", "e"}},
      {-1, 1, 2, {"a", "d", "e", "b", "c"}},  // negative: to the end
      {5, 0, 1, {"b", "c", "d", "e", "a"}},   // before the count: to the end
      {2, 1, 2, {"a", "b", "c", "d", "e"}},   // start <= before <= start + n: no move
      {3, 1, 2, {"a", "b", "c", "d", "e"}},
      {1, 1, 2, {"a", "b", "c", "d", "e"}},
      {0, 1, 0, {"a", "b", "c", "d", "e"}},   // n <= 0
      {0, 1, -3, {"a", "b", "c", "d", "e"}},
      {0, 0, 5, {"a", "b", "c", "d", "e"}},   // n >= count
      {0, 4, 2, {"a", "b", "c", "d", "e"}},   // run past the end: ignored
      {0, -1, 2, {"a", "b", "c", "d", "e"}},
  };
  for (const Case& c : cases) {
    TTextList list = ListOf({"a", "b", "c", "d", "e"});
    list.Move(c.before, c.start, c.n);
    EXPECT_EQ(c.expected, Contents(list)) << c.before << " " << c.start << " " << c.n;
  }
}

TEST(TextListFind, ExactByteWiseAndCaseSensitive) {
  const TTextList list = ListOf({"abc", "ABC", "表", "abc", ""});
  struct Case {
    TString text;
    int expected;
  };
  const std::vector<Case> cases = {
      {"abc", 0}, {"ABC", 1}, {"Abc", -1}, {"表", 2}, {"", 4}, {"ab", -1}, {"abcd", -1},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, list.Find(c.text)) << c.text.c_str();
  EXPECT_EQ(-1, TTextList().Find(""));
  EXPECT_EQ(-1, TTextList().Find("abc"));
}

TEST(TextListItem, ByIndexAndEmptyOutOfRange) {
  const TTextList list = ListOf({"a", "b"});
  EXPECT_EQ(TString("a"), list.Item(0));
  EXPECT_EQ(TString("b"), list.Item(1));
  EXPECT_EQ(TString(""), list.Item(2));
  EXPECT_EQ(TString(""), list.Item(-1));
}

TEST(TextListSort, ByUnsignedBytesBothWays) {
  struct Case {
    Texts input;
    bool ascending;
    Texts expected;
  };
  const std::vector<Case> cases = {
      {{"00000001", "0000000A", "00000002"}, false, {"0000000A", "00000002", "00000001"}},
      {{"00000001", "0000000A", "00000002"}, true, {"00000001", "00000002", "0000000A"}},
      {{"b", "\x80", "a", "z"}, true, {"a", "b", "z", "\x80"}},  // 0x80 sorts after ASCII
      {{"abc", "ab", "", "a"}, true, {"", "a", "ab", "abc"}},   // shorter prefix first
      {{"abc", "ab", "", "a"}, false, {"abc", "ab", "a", ""}},
      {{"B", "a", "A", "b"}, true, {"A", "B", "a", "b"}},
      {{"x", "x", "y"}, false, {"y", "x", "x"}},
      {{"c", "b", "a", "c", "b", "a"}, true, {"a", "a", "b", "b", "c", "c"}},
      {{}, true, {}},
      {{"表", "ア", "亜"}, true, {"ア", "亜", "表"}},  // 83 41 < 88 9F < 95 5C
  };
  for (const Case& c : cases) {
    TTextList list;
    for (const std::string& text : c.input) list.Append(TString(text));
    list.Sort(c.ascending);
    EXPECT_EQ(c.expected, Contents(list));
  }
}

TEST(TextListAppendAll, FromListsArraysAndItself) {
  TTextList list = ListOf({"a", "b"});
  list.AppendAll(list);
  EXPECT_EQ(Texts({"a", "b", "a", "b"}), Contents(list));

  TStringArray array;
  array.Append("x");
  array.Append("");
  list.AppendAll(array);
  EXPECT_EQ(Texts({"a", "b", "a", "b", "x", ""}), Contents(list));

  TTextList copy;
  copy.AppendAll(list);
  list.Erase(0, 5);
  EXPECT_EQ(6, copy.Count());  // the copy owns its texts
}

TEST(StringArray, OutOfRangeReadsAreEmptyAndWritesIgnored) {
  TStringArray array(2);
  array.Set(0, "a");
  array.Set(2, "lost");
  EXPECT_EQ(TString("a"), array.Item(0));
  EXPECT_EQ(TString(""), array.Item(1));
  EXPECT_EQ(TString(""), array.Item(2));
  EXPECT_EQ(2u, array.Count());
  array.Resize(1);
  EXPECT_EQ(TString(""), array.Item(1));
}
