#include "framework/text/LetterCase.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/text/ShiftJis.h"

TEST(LetterCase, FoldsLatinLettersOfBothWidths) {
  struct Case {
    TString text;
    TString upper;
    TString lower;
  } cases[] = {
      {"abcXYZ09", "ABCXYZ09", "abcxyz09"},
      {"ａｂｃＸＹＺ", "ＡＢＣＸＹＺ", "ａｂｃｘｙｚ"},
      {"@[`{", "@[`{", "@[`{"},  // the neighbours of the letter ranges
      {"＠［‘｛", "＠［‘｛", "＠［‘｛"},
      // Katakana whose trail bytes are ASCII letters: ア 0x8341, ヂ 0x8361, ロ 0x838D.
      {"アヂロ", "アヂロ", "アヂロ"},
      {"ｱｲｳ", "ｱｲｳ", "ｱｲｳ"},
      {"\x83", "\x83", "\x83"},                 // lone lead byte
      {"a\x82", "A\x82", "a\x82"},              // lone lead byte at the end
      {"\x82 z", "\x82 Z", "\x82 z"},           // lead byte without a trail byte
      {"\x80\xA0\xFD\xFF", "\x80\xA0\xFD\xFF", "\x80\xA0\xFD\xFF"},
      {"", "", ""},
      {TString("a\0B", 3), TString("A\0B", 3), TString("a\0b", 3)},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.upper, ToUpperLetters(c.text)) << c.text.c_str();
    EXPECT_EQ(c.lower, ToLowerLetters(c.text)) << c.text.c_str();
  }
}

TEST(LetterCase, EverySingleByteChangesOnlyAsALetter) {
  for (unsigned byte = 0; byte <= 0xFF; ++byte) {
    const TString text(std::string(1, static_cast<char>(byte)));
    const bool lower = byte >= 'a' && byte <= 'z';
    const bool upper = byte >= 'A' && byte <= 'Z';
    const unsigned expectedUpper = lower ? byte - 0x20 : byte;
    const unsigned expectedLower = upper ? byte + 0x20 : byte;
    EXPECT_EQ(expectedUpper, static_cast<unsigned char>(ToUpperLetters(text).At(0))) << byte;
    EXPECT_EQ(expectedLower, static_cast<unsigned char>(ToLowerLetters(text).At(0))) << byte;
  }
}

TEST(LetterCase, EveryDoubleByteCodeChangesOnlyAsAFullWidthLetter) {
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (!IsTrailByte(static_cast<unsigned char>(trail))) continue;
      const unsigned code = lead * 256 + trail;
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const TString text(bytes, 2);
      const unsigned expectedUpper = code >= 0x8281 && code <= 0x829A ? code - 0x21 : code;
      const unsigned expectedLower = code >= 0x8260 && code <= 0x8279 ? code + 0x21 : code;
      const TString upper = ToUpperLetters(text);
      const TString lower = ToLowerLetters(text);
      ASSERT_EQ(2u, upper.Length());
      ASSERT_EQ(2u, lower.Length());
      EXPECT_EQ(expectedUpper, static_cast<unsigned char>(upper.At(0)) * 256u + static_cast<unsigned char>(upper.At(1)))
          << std::hex << code;
      EXPECT_EQ(expectedLower, static_cast<unsigned char>(lower.At(0)) * 256u + static_cast<unsigned char>(lower.At(1)))
          << std::hex << code;
    }
  }
}
