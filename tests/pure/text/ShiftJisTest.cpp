#include "framework/text/ShiftJis.h"
#include "framework/text/TString.h"

#include <gtest/gtest.h>

// A build that lost -fexec-charset=CP932 would turn every Japanese
// expectation into UTF-8; stop it at compile time.
static_assert(sizeof("不明") == 5 && static_cast<unsigned char>("不明"[0]) == 0x95,
              "string literals must be compiled as Shift-JIS");

TEST(CharLength, StepsByShiftJisCharactersAndLineBreakPairs) {
  struct Case {
    const char* text;
    size_t remaining;
    size_t expected;
  } cases[] = {
      {"", 0, 0},
      {"a", 1, 1},
      {"\x81", 1, 1},        // lone lead byte at the end
      {"\x81\x40", 2, 2},    // full-width space
      {"\x83\x5C", 2, 2},    // trail byte 0x5C is not a separator
      {"\x81\x20", 2, 1},    // 0x20 is no trail byte
      {"\xE0\xFC", 2, 2},
      {"\xFD\x40", 2, 1},    // 0xFD is no lead byte
      {"\xA0\x40", 2, 1},
      {"\r\n", 2, 2},
      {"\n\r", 2, 2},
      {"\r\r", 2, 1},
      {"ab", 2, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, CharLength(c.remaining, c.text)) << "text of length " << c.remaining;
  }
}

// A text cut at a byte limit loses a lead byte whose trail fell outside, and
// nothing else.
TEST(WholeCharacterLength, DropsOnlyAFinalHalfCharacter) {
  struct Case {
    const char* text;
    size_t length;
    size_t whole;
  } cases[] = {
      {"", 0, 0},
      {"abc", 3, 3},
      {"\x83\x5C", 2, 2},          // ソ, whose trail byte is 0x5C
      {"\x83\x5C", 1, 0},          // cut after the lead byte
      {"a\x83\x5C\x83", 4, 3},     // a whole ソ, then a lone lead
      {"\xB1\xB2", 2, 2},          // half-width katakana are single bytes
      {"\x83\x41\x83\x41", 3, 2},
      {"\x83\x0D\x0A", 3, 3},      // a lead byte without a trail stands alone
  };
  for (const Case& c : cases) EXPECT_EQ(c.whole, WholeCharacterLength(c.text, c.length)) << c.length;
}

TEST(TStringCore, NeverNullAndByteWiseOrder) {
  TString none(nullptr);
  EXPECT_STREQ("", none.c_str());
  EXPECT_TRUE(TString("\x7F") < TString("\x80"));  // unsigned byte order
  EXPECT_TRUE(TString("ab") < TString("abc"));     // shorter prefix first
  EXPECT_EQ(TString("ab\x83\x5C"), TString("ab") + TString("\x83\x5C"));
  EXPECT_EQ('\0', TString("ab").At(2));
}
