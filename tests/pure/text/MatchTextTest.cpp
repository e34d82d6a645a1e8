#include "framework/text/MatchText.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/text/LetterCase.h"
#include "framework/text/WidthConversion.h"

namespace {

// The auto-iconize flag words and the caption keyword search.
constexpr unsigned kContains = kMatchEnabled | kMatchContains | kMatchByteWise;  // 0x29
constexpr unsigned kContainsAligned = kMatchEnabled | kMatchContains | kMatchCharAligned;
constexpr unsigned kFoldBoth = kMatchFoldCase | kMatchFoldWidth;

}  // namespace

TEST(FindBytes, FindsTheFirstByteWiseOccurrence) {
  struct Case {
    TString text;
    TString pattern;
    size_t expected;
  } cases[] = {
      {"", "", 0},
      {"abc", "", 0},
      {"", "a", kNoPosition},
      {"abcabc", "ca", 2},
      {"abcabc", "abc", 0},
      {"aaab", "aab", 1},
      {"ab", "abc", kNoPosition},
      {"abc", "abd", kNoPosition},
      {"ア", "A", 1},  // inside a character: byte-wise by design
      {"ソ\\", "\\", 1},
      {TString("a\0b", 3), TString("\0b", 2), 1},
      {"\xFF\xFE\x80", "\xFE\x80", 1},
  };
  for (const auto& c : cases) {
    size_t position = 12345;
    EXPECT_EQ(c.expected != kNoPosition, FindBytes(c.text, c.pattern, &position)) << c.text.c_str();
    EXPECT_EQ(c.expected, position) << c.text.c_str();
  }
  EXPECT_TRUE(FindBytes("abc", "c"));  // the position is optional
}

TEST(FindBytes, FindsAPatternAtTheEndOfALongText) {
  std::string text(1 << 20, 'a');
  text += "ab";
  size_t position = 0;
  EXPECT_TRUE(FindBytes(TString(text), "ab", &position));
  EXPECT_EQ(1u << 20, position);
  EXPECT_FALSE(FindBytes(TString(text), "ba"));
}

TEST(MatchText, FollowsTheModeFlags) {
  struct Case {
    TString text;
    TString pattern;
    unsigned flags;
    bool matched;
    size_t position;
  } cases[] = {
      // Without 0x08 or without a comparison nothing matches.
      {"abc", "abc", kMatchExact, false, kNoPosition},
      {"abc", "b", kMatchContains | kMatchByteWise, false, kNoPosition},
      {"abc", "abc", kMatchEnabled, false, kNoPosition},
      {"abc", "", 0x21, false, kNoPosition},
      // Exact.
      {"abc", "abc", 0x18, true, 0},
      {"abc", "ab", 0x18, false, kNoPosition},
      {"", "", 0x18, true, 0},
      // Contains: byte-wise, character-aligned, or neither.
      {"abc", "", kContains, true, 0},
      {"", "", kContains, true, 0},
      {"", "", kContainsAligned, true, 0},
      {"xabc", "bc", kContains, true, 2},
      {"xabc", "bc", kContainsAligned, true, 2},
      {"xabc", "bc", 0x28, false, kNoPosition},
      {"アイコン", "A", kContains, true, 1},
      {"アイコン", "A", kContainsAligned, false, kNoPosition},
      {"ソ\\", "\\", kContains, true, 1},
      {"ソ\\", "\\", kContainsAligned, true, 2},
      {"再試行(&RETRY&)", "&", kContainsAligned, true, 7},
      {"ab", "abc", kContainsAligned, false, kNoPosition},
      {"abc", "abc", kContains | 0x04, true, 0},  // 0x04 means nothing here
      // Prefix.
      {"Stowpane", "Stow", 0x48, true, 0},
      {"Stow", "Stowpane", 0x48, false, kNoPosition},
      {"Stowpane", "", 0x48, true, 0},
      // Suffix, only where a character starts.
      {"Stowpane", "pane", 0x88, true, 4},
      {"pane", "Stowpane", 0x88, false, kNoPosition},
      {"a^", "^", 0x88, true, 1},
      {"データ", "^", 0x88, false, kNoPosition},  // 0x5E is the trail byte of タ
      {"データ", "タ", 0x88, true, 4},
      {"abc", "", 0x88, true, 3},
      // The first comparison flag decides.
      {"abc", "ab", 0x58, false, kNoPosition},
      {"abx", "ab", 0x68, false, kNoPosition},
      {"xab", "ab", 0xC8, false, kNoPosition},
      {"abx", "ab", 0xC8, true, 0},
      // Bad input.
      {"abc\x83", "\x83", 0x88, true, 3},
      {"abc\x83", "c\x83\x40", 0x29, false, kNoPosition},
      {"\xFD\xFE\xFF", "\xFE", kContainsAligned, true, 1},
      {TString("a\0b", 3), TString("\0b", 2), kContainsAligned, true, 1},
  };
  for (const auto& c : cases) {
    size_t position = 12345;
    EXPECT_EQ(c.matched, MatchText(c.text, c.pattern, c.flags, &position))
        << c.text.c_str() << " / " << c.pattern.c_str() << " flags 0x" << std::hex << c.flags;
    EXPECT_EQ(c.position, position) << c.text.c_str() << " / " << c.pattern.c_str() << " flags 0x" << std::hex
                                    << c.flags;
  }
}

TEST(MatchText, FoldsCaseBeforeWidth) {
  struct Case {
    TString text;
    TString pattern;
    unsigned flags;
    bool matched;
  } cases[] = {
      {"ｓｔｏｗｐａｎｅ", "stow", 0x129, false},  // width is not folded
      {"ｓｔｏｗｐａｎｅ", "stow", 0x329, true},
      {"ｓｔｏｗｐａｎｅ", "STOW", 0x229, false},  // case is not folded
      {"ｓｔｏｗｐａｎｅ", "stow", 0x229, true},
      {"ｓｔｏｗｐａｎｅ", "ＳＴＯＷ", 0x129, true},
      {"NOTEPAD", "notepad", 0x129, true},
      {"NOTEPAD", "notepad", 0x29, false},
      {"ﾒﾓ帳 - 無題", "メモ帳", 0x229, true},
      {"ﾃﾞｨｽｸ", "ディスク", 0x229, true},
      {"ガイド", "ｶﾞｲﾄﾞ", 0x229, true},
      {"Ｍｙ　Ｄｏｃ（１）", "my doc(1)", 0x329, true},
      {"a‘b", "a`b", 0x229, false},  // the back-quote is never folded back
      {"ヰ", "ｲ", 0x229, true},
      {"ア", "a", 0x129, true},       // byte-wise: A is the trail byte of ア
      {"ア", "a", 0x12A, false},
      {"abc", "", 0x329, true},
      {"", "", 0x329, true},
      {"", "a", 0x329, false},
      {"x ﾃｽﾄ", "テスト", 0x288, true},  // suffix after folding
  };
  for (const auto& c : cases) {
    size_t position = 12345;
    EXPECT_EQ(c.matched, MatchText(c.text, c.pattern, c.flags, &position))
        << c.text.c_str() << " / " << c.pattern.c_str() << " flags 0x" << std::hex << c.flags;
    // Offsets into folded texts mean nothing to the caller.
    EXPECT_EQ(kNoPosition, position);
  }
}

TEST(MatchText, FoldingEqualsTheStringConversions) {
  // Texts past the stack buffer of the matcher, with folds at the edges.
  std::string longTitle(300, 'x');
  longTitle += "ａｂｃｶﾞ";
  const TString texts[] = {"ＳｔｏｗＰａｎｅ ｶﾞｲﾄﾞ 12", "アイコン\r\nａ", "a\x83", TString(longTitle)};
  const TString patterns[] = {"stowpane", "ガイド", "A", "", "ｱｲｺﾝ\r\nA", "\x83", "ABCガ"};
  for (const TString& text : texts) {
    for (const TString& pattern : patterns) {
      for (unsigned mode : {0x18u, 0x29u, 0x2Au, 0x48u, 0x88u}) {
        const bool expected = MatchText(ToHalfWidth(ToUpperLetters(text), kWidthAll),
                                        ToHalfWidth(ToUpperLetters(pattern), kWidthAll), mode);
        EXPECT_EQ(expected, MatchText(text, pattern, mode | kFoldBoth))
            << text.c_str() << " / " << pattern.c_str() << " mode 0x" << std::hex << mode;
      }
    }
  }
  EXPECT_TRUE(MatchText(TString(longTitle), "ABCガ", 0x388));
}
