#include "framework/text/TStringOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Pair {
  TString input;
  TString expected;
};

}  // namespace

TEST(TStringOpsFormat, FitsTheBufferOrCutsAtACharacterBoundary) {
  struct Case {
    size_t size;
    const char* argument;
    TString expected;
  };
  const std::vector<Case> cases = {
      {8, "1234567", "1234567"},
      {8, "12345678", "1234567"},            // the terminator needs the eighth byte
      {1, "abc", ""},
      {0, "abc", ""},                        // no room at all
      {5, "表表", "表表"},                   // 95 5C 95 5C fit in five bytes
      {4, "表表", "表"},                     // the second lead byte loses its trail: dropped
      {3, "a表", "a"},
      {4, "a表", "a表"},
      {3, "\x81", "\x81"},                   // a lone lead byte that was not cut stays
      {4, "ab\r\n", "ab\r"},                 // a break pair may be cut, it has no lead byte
      {6, "ｱｲｳｴｵ", "ｱｲｳｴｵ"},                 // half-width katakana are single bytes
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, FormatSized(c.size, "%s", c.argument)) << c.size << " " << c.argument;
  }
}

TEST(TStringOpsFormat, NumberFieldsOfEightBytes) {
  EXPECT_EQ(TString("07"), FormatSized(8, "%2.2d", 7));
  EXPECT_EQ(TString("007"), FormatSized(8, "%3.3d", 7));
  EXPECT_EQ(TString("000042"), FormatSized(8, "%6.6d", 42));
  EXPECT_EQ(TString("-214748"), FormatSized(8, "%d", -2147483647 - 1));
  EXPECT_EQ(TString("-2147483648"), FormatSized(12, "%d", -2147483647 - 1));
}

TEST(TStringOpsFormat, BufferGrowsWithTheFormat) {
  // 4 x 2 + 64 = 72 bytes for "%s": 71 characters fit, the 72nd does not.
  const std::string fits(71, 'x');
  const std::string longer(100, 'y');
  EXPECT_EQ(TString(fits.c_str()), Format("%s", fits.c_str()));
  EXPECT_EQ(TString(longer.substr(0, 71).c_str()), Format("%s", longer.c_str()));
  EXPECT_EQ(TString("ウィンドウ 3 個"), Format("%s %d 個", "ウィンドウ", 3));
  EXPECT_EQ(TString(), Format(nullptr));
}

TEST(TStringOpsCut, LeftAndRightCountBytes) {
  struct Case {
    TString text;
    size_t n;
    TString left;
    TString right;
  };
  const std::vector<Case> cases = {
      {"", 0, "", ""},
      {"", 5, "", ""},
      {"abc", 0, "", ""},
      {"abc", 2, "ab", "bc"},
      {"abc", 3, "abc", "abc"},
      {"abc", 99, "abc", "abc"},
      {"表a", 2, "表", "\x5C" "a"},  // bytes, not characters
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.left, Left(c.text, c.n)) << c.text.c_str() << " " << c.n;
    EXPECT_EQ(c.right, Right(c.text, c.n)) << c.text.c_str() << " " << c.n;
  }
}

TEST(TStringOpsRepeat, CountTimesAndEmptyBelowOne) {
  EXPECT_EQ(TString("ababab"), Repeat("ab", 3));
  EXPECT_EQ(TString("ab"), Repeat("ab", 1));
  EXPECT_EQ(TString(""), Repeat("ab", 0));
  EXPECT_EQ(TString(""), Repeat("ab", -4));
  EXPECT_EQ(TString(""), Repeat("", 1000));
  EXPECT_EQ(3000u, Repeat("表-", 1000).Length());
}

TEST(TStringOpsRemoveAll, RemovesOccurrencesThatTheRemovalJoins) {
  struct Case {
    TString text;
    TString pattern;
    TString expected;
  };
  const std::vector<Case> cases = {
      {"aabb", "ab", ""},
      {"aaabbb", "ab", ""},
      {"abcabc", "b", "acac"},
      {"1,234,567", ",", "1234567"},
      {"abc", "", "abc"},
      {"", "a", ""},
      {"abc", "abcd", "abc"},
      {"xaabbx", "ab", "xx"},
      {"ababa", "aba", "ba"},  // the first match goes first; the rest is no match
      {"a\x81", "\x81", "a"},
      {"aXbXc", "X", "abc"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, RemoveAll(c.text, c.pattern)) << c.text.c_str() << " - " << c.pattern.c_str();
  }
}

TEST(TStringOpsRemoveAll, LongTextsStayFast) {
  // A quadratic removal of a megabyte would take minutes.
  const std::string nested = std::string(500000, 'a') + std::string(500000, 'b');
  EXPECT_EQ(TString(""), RemoveAll(TString(nested), "ab"));
  EXPECT_EQ(TString(""), RemoveAll(TString(std::string(1000000, 'a')), "a"));
}

TEST(TStringOpsTrim, BlanksAtBothEndsByCharacters) {
  const std::vector<Pair> cases = {
      {"", ""},
      {" \t\r\n ", ""},
      {"  a b  ", "a b"},
      {"\r\nabc\n\r", "abc"},
      {"\x81\x40x\x81\x40", "\x81\x40x\x81\x40"},  // a full-width space is no blank
      {"ソ ", "ソ"},
      {" \x81", "\x81"},   // lone lead byte at the end
      {"\x81 ", "\x81"},   // a lead byte before a blank is a character of its own
      {"a\tb", "a\tb"},
  };
  for (const Pair& c : cases) EXPECT_EQ(c.expected, Trim(c.input)) << c.input.c_str();
}

TEST(TStringOpsLastChar, OneOrTwoBytesByTheSteppingRule) {
  const std::vector<Pair> cases = {
      {"", ""},
      {"a", "a"},
      {"abc", "c"},
      {"C:\\ソ", "ソ"},        // 83 5C: the last byte is 0x5C but no '\'
      {"C:\\", "\\"},
      {"a\x81", "\x81"},      // lone lead byte
      {"ab\r\n", "\r\n"},
      {"\x81\x81\x81", "\x81"},  // 81 81 is a pair, the last 81 stands alone
      {"ｱ", "ｱ"},
  };
  for (const Pair& c : cases) EXPECT_EQ(c.expected, LastChar(c.input)) << c.input.c_str();
}
