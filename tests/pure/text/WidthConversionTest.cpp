#include "framework/text/WidthConversion.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/text/ShiftJis.h"

namespace {

TString CodeText(unsigned code) {
  if (code <= 0xFF) return TString(std::string(1, static_cast<char>(code)));
  const char bytes[2] = {static_cast<char>(code >> 8), static_cast<char>(code & 0xFF)};
  return TString(bytes, 2);
}

// The class of a half-width byte, worked out from the character ranges rather
// than from the conversion tables: every printable ASCII character and every
// half-width kana byte has a full-width form.
unsigned ExpectedClassOf(unsigned byte) {
  if (byte >= '0' && byte <= '9') return kWidthDigits;
  if (byte >= 'A' && byte <= 'Z') return kWidthUpperLetters;
  if (byte >= 'a' && byte <= 'z') return kWidthLowerLetters;
  if (byte >= 0x20 && byte <= 0x7E) return kWidthSymbols;
  if (byte == 0xA2 || byte == 0xA3) return kWidthSymbols;  // corner brackets
  if (byte >= 0xA1 && byte <= 0xDF) return kWidthKana;
  return 0;
}

constexpr unsigned kClasses[] = {kWidthDigits, kWidthUpperLetters, kWidthLowerLetters, kWidthKana,
                                 kWidthSymbols};
constexpr unsigned kBackQuote = 0x60;
constexpr unsigned kOpeningQuote = 0x8165;  // what the back-quote widens to
constexpr unsigned kWi = 0x8390;
constexpr unsigned kWe = 0x8391;

template <typename Visit>
void ForEachDoubleByteCode(Visit visit) {
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
      if (IsTrailByte(static_cast<unsigned char>(trail))) visit(lead * 256 + trail);
    }
  }
}

}  // namespace

TEST(CharToFullWidth, ConvertsOnlyTheClassesAsked) {
  struct Case {
    unsigned byte;
    unsigned flags;
    unsigned expected;
  } cases[] = {
      {'0', kWidthDigits, 0x824F},        {'9', kWidthAll, 0x8258},
      {'5', kWidthKana, '5'},             {'A', kWidthUpperLetters, 0x8260},
      {'Z', kWidthAll, 0x8279},           {'A', kWidthLowerLetters, 'A'},
      {'a', kWidthLowerLetters, 0x8281},  {'z', kWidthAll, 0x829A},
      {'z', kWidthUpperLetters, 'z'},     {' ', kWidthSymbols, 0x8140},
      {' ', kWidthKana, ' '},             {'\\', kWidthSymbols, 0x818F},
      {'~', kWidthSymbols, 0x8160},       {'`', kWidthSymbols, 0x8165},
      {'@', kWidthSymbols, 0x8197},       {'&', kWidthAll, 0x8195},
      {0xA2, kWidthSymbols, 0x8175},      {0xA3, kWidthSymbols, 0x8176},
      {0xA2, kWidthKana, 0xA2},           // corner brackets are symbols
      {0xA1, kWidthKana, 0x8142},         {0xA1, kWidthSymbols, 0xA1},
      {0xA4, kWidthKana, 0x8141},         {0xA5, kWidthKana, 0x8145},
      {0xB0, kWidthKana, 0x815B},         {0xDE, kWidthKana, 0x814A},
      {0xDF, kWidthKana, 0x814B},         {0xA6, kWidthKana, 0x8392},
      {0xA7, kWidthKana, 0x8340},         {0xAF, kWidthKana, 0x8362},
      {0xB1, kWidthKana, 0x8341},         {0xDD, kWidthKana, 0x8393},
      {0xB6, kWidthAll, 0x834A},          {0xB6, 0, 0xB6},
      {0x00, kWidthAll, 0x00},            {0x1F, kWidthAll, 0x1F},
      {0x7F, kWidthAll, 0x7F},            {0x80, kWidthAll, 0x80},
      {0xA0, kWidthAll, 0xA0},            {0xE0, kWidthAll, 0xE0},
      {0xFF, kWidthAll, 0xFF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, CharToFullWidth(static_cast<unsigned char>(c.byte), c.flags))
        << std::hex << "byte 0x" << c.byte << " flags 0x" << c.flags;
  }
}

TEST(CharToHalfWidth, ConvertsOnlyTheClassesAskedAndKeepsOneWayForms) {
  struct Case {
    unsigned code;
    unsigned flags;
    unsigned expected;
  } cases[] = {
      {0x824F, kWidthDigits, '0'},      {0x8258, kWidthUpperLetters, 0x8258},
      {0x8260, kWidthUpperLetters, 'A'}, {0x8281, kWidthLowerLetters, 'a'},
      {0x829A, kWidthUpperLetters, 0x829A},
      {0x8140, kWidthSymbols, ' '},     {0x8140, kWidthKana, 0x8140},
      {0x818F, kWidthSymbols, '\\'},    {0x8166, kWidthSymbols, '\''},
      {0x8165, kWidthAll, 0x8165},      // never back into a back-quote
      {0x8175, kWidthSymbols, 0xA2},    {0x8175, kWidthKana, 0x8175},
      {0x815B, kWidthKana, 0xB0},       {0x814A, kWidthKana, 0xDE},
      {0x8392, kWidthKana, 0xA6},       {0x8393, kWidthKana, 0xDD},
      {kWi, kWidthKana, 0xB2},          {kWe, kWidthKana, 0xB4},
      {kWi, kWidthSymbols, kWi},
      {0x838E, kWidthAll, 0x838E},      // small wa
      {0x8395, kWidthAll, 0x8395},      // small ka
      {0x8396, kWidthAll, 0x8396},      // small ke
      {0x834B, kWidthAll, 0x834B},      // voiced kana have no single byte
      {0x8394, kWidthAll, 0x8394},      // vu
      {0x889F, kWidthAll, 0x889F},      // a kanji
      {'A', kWidthAll, 'A'},            {0xB1, kWidthAll, 0xB1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, CharToHalfWidth(static_cast<uint16_t>(c.code), c.flags))
        << std::hex << "code 0x" << c.code << " flags 0x" << c.flags;
  }
}

TEST(ToFullWidth, JoinsSoundMarksAndConvertsByClass) {
  struct Case {
    TString text;
    unsigned flags;
    TString expected;
  } cases[] = {
      {"ｶﾞｲﾄﾞ", kWidthKana, "ガイド"},
      {"ｶﾞｲﾄﾞ", kWidthAll, "ガイド"},
      {"ｶﾞｲﾄﾞ", kWidthDigits, "ｶﾞｲﾄﾞ"},
      {"ｶﾞ", kWidthAll & ~kWidthKana, "ｶﾞ"},  // the pair stays whole, mark included
      {"ｳﾞ", 0, "ヴ"},
      {"ｳﾞｨ", 0, "ヴｨ"},
      {"ｳﾞ", kWidthKana, "ヴ"},
      {"ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ", kWidthKana, "パピプペポ"},
      {"ﾊﾞﾋﾞﾌﾞﾍﾞﾎﾞ", kWidthKana, "バビブベボ"},
      {"ｶﾟ", kWidthKana, "カ゜"},  // no semi-voiced ka: two characters
      {"ｱﾞ", kWidthKana, "ア゛"},
      {"ﾞﾟ", kWidthKana, "゛゜"},
      {"ｶﾞ", kWidthSymbols, "ｶﾞ"},
      {"12", kWidthAll, "１２"},
      {"Aa1", kWidthUpperLetters, "Ａa1"},
      {"Aa1", kWidthLowerLetters, "Aａ1"},
      {"a b", kWidthSymbols, "a　b"},
      {"a b", kWidthLowerLetters, "ａ ｂ"},
      {"`'\"", kWidthSymbols, "‘’”"},
      {"｢ｱ｣", kWidthKana, "｢ア｣"},
      {"｢ｱ｣", kWidthSymbols, "「ｱ」"},
      {"｡､･ｰ", kWidthKana, "。、・ー"},
      {"\\$%#&*@", kWidthAll, "￥＄％＃＆＊＠"},
      {"ソ表\\", kWidthSymbols, "ソ表￥"},  // trail bytes 0x5C stay
      {"ｱイｳ", kWidthKana, "アイウ"},
      {"\r\n\t", kWidthAll, "\r\n\t"},
      {"", kWidthAll, ""},
      {"a\x81", kWidthAll, "ａ\x81"},        // lone lead byte at the end
      {"\x81 ", kWidthAll, "\x81　"},        // lead byte without a trail byte
      {"\x80\xA0\xFD\xFE\xFF", kWidthAll, "\x80\xA0\xFD\xFE\xFF"},
      {TString("a\0b", 3), kWidthAll, TString("ａ\0ｂ", 5)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, ToFullWidth(c.text, c.flags)) << c.text.c_str() << " flags 0x" << std::hex << c.flags;
  }
}

TEST(ToHalfWidth, SplitsVoicedKanaAndConvertsByClass) {
  struct Case {
    TString text;
    unsigned flags;
    TString expected;
  } cases[] = {
      {"ガイド", kWidthAll, "ｶﾞｲﾄﾞ"},
      {"ガイド", kWidthKana, "ｶﾞｲﾄﾞ"},
      {"ガイド", kWidthDigits, "ガイド"},
      {"パピプペポ", kWidthKana, "ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
      {"ヴ", kWidthKana, "ｳﾞ"},
      {"ヴ", kWidthAll & ~kWidthKana, "ヴ"},
      {"ヰヱ", kWidthKana, "ｲｴ"},
      {"ヮヵヶ", kWidthAll, "ヮヵヶ"},
      {"‘’", kWidthAll, "‘'"},
      {"「ア」", kWidthSymbols, "｢ア｣"},
      {"「ア」", kWidthKana, "「ｱ」"},
      {"ＡＢＣ　１２３ａｂｃ", kWidthAll, "ABC 123abc"},
      {"ＡＢＣ　１２３ａｂｃ", kWidthDigits, "ＡＢＣ　123ａｂｃ"},
      {"ソ表￥", kWidthAll, "ｿ表\\"},
      {"。、・ー゛゜", kWidthKana, "｡､･ｰﾞﾟ"},
      {"ﾒﾓ帳", kWidthAll, "ﾒﾓ帳"},
      {"", kWidthAll, ""},
      {"ａ\x83", kWidthAll, "a\x83"},       // lone lead byte at the end
      {"\x83 ア", kWidthAll, "\x83 ｱ"},     // lead byte without a trail byte
      {"\xFD\x40\xFF", kWidthAll, "\xFD\x40\xFF"},
      {TString("Ａ\0Ｂ", 5), kWidthAll, TString("A\0B", 3)},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, ToHalfWidth(c.text, c.flags)) << c.text.c_str() << " flags 0x" << std::hex << c.flags;
  }
}

TEST(WidthConversion, VoicedKanaSurviveTheRoundTripAndWiDoesNot) {
  EXPECT_EQ(TString("ガイド"), ToFullWidth(ToHalfWidth("ガイド", kWidthAll), kWidthKana));
  EXPECT_EQ(TString("イ"), ToFullWidth(ToHalfWidth("ヰ", kWidthKana), kWidthKana));
  // Without the kana class vu widens but does not narrow.
  EXPECT_EQ(TString("ヴ"), ToHalfWidth(ToFullWidth("ｳﾞ", 0), 0));
}

TEST(WidthConversion, LongTextsConvertWhole) {
  std::string half;
  std::string full;
  for (int i = 0; i < 50000; ++i) {
    half += "ｶﾞ1";
    full += "ガ１";
  }
  EXPECT_EQ(TString(full), ToFullWidth(TString(half), kWidthAll));
  EXPECT_EQ(TString(half), ToHalfWidth(TString(full), kWidthAll));
}

TEST(WidthConversionRange, EverySingleByteWidensByItsClassOnly) {
  for (unsigned byte = 0; byte <= 0xFF; ++byte) {
    const unsigned expectedClass = ExpectedClassOf(byte);
    for (unsigned flags : kClasses) {
      const bool widened = CharToFullWidth(static_cast<unsigned char>(byte), flags) != byte;
      EXPECT_EQ((expectedClass & flags) != 0, widened) << std::hex << "byte 0x" << byte << " flags 0x" << flags;
    }
    const TString text = CodeText(byte);
    const TString full = ToFullWidth(text, kWidthAll);
    if (expectedClass == 0) {
      EXPECT_EQ(text, full) << std::hex << "byte 0x" << byte;
      continue;
    }
    EXPECT_EQ(2u, full.Length()) << std::hex << "byte 0x" << byte;
    const TString back = ToHalfWidth(full, kWidthAll);
    if (byte == kBackQuote) {
      EXPECT_EQ(CodeText(kOpeningQuote), back);
    } else {
      EXPECT_EQ(text, back) << std::hex << "byte 0x" << byte;
      EXPECT_EQ(text, ToHalfWidth(full, expectedClass)) << std::hex << "byte 0x" << byte;
    }
  }
}

TEST(WidthConversionRange, EveryDoubleByteCodeNarrowsAndWidensBack) {
  size_t narrowed = 0;
  ForEachDoubleByteCode([&](unsigned code) {
    const uint16_t half = CharToHalfWidth(static_cast<uint16_t>(code), kWidthAll);
    if (half != code) {
      ++narrowed;
      ASSERT_LE(half, 0xFFu);
      // The byte belongs to some class, and to that class alone.
      const unsigned expectedClass = ExpectedClassOf(half);
      ASSERT_NE(0u, expectedClass) << std::hex << "code 0x" << code;
      for (unsigned flags : kClasses) {
        EXPECT_EQ((expectedClass & flags) != 0, CharToHalfWidth(static_cast<uint16_t>(code), flags) != code)
            << std::hex << "code 0x" << code << " flags 0x" << flags;
      }
      if (code != kWi && code != kWe) {
        EXPECT_EQ(code, CharToFullWidth(static_cast<unsigned char>(half), kWidthAll));
      }
    }
    const TString text = CodeText(code);
    const TString halfText = ToHalfWidth(text, kWidthAll);
    if (code == kWi || code == kWe) {
      EXPECT_EQ(CodeText(code == kWi ? 0x8343 : 0x8347), ToFullWidth(halfText, kWidthAll));
    } else {
      EXPECT_EQ(text, ToFullWidth(halfText, kWidthAll)) << std::hex << "code 0x" << code;
    }
    EXPECT_EQ(text, ToHalfWidth(text, 0)) << std::hex << "code 0x" << code;
    EXPECT_EQ(text, ToFullWidth(text, kWidthAll)) << std::hex << "code 0x" << code;
  });
  // Printable ASCII but the back-quote (94), every half-width kana byte (63),
  // and the archaic wi and we.
  EXPECT_EQ(94u + 63u + 2u, narrowed);
}

TEST(WidthConversionRange, EveryPairOfHalfWidthBytesRoundTrips) {
  for (unsigned first = 0; first <= 0xFF; ++first) {
    if (IsLeadByte(static_cast<unsigned char>(first)) || first == kBackQuote) continue;
    for (unsigned second = 0; second <= 0xFF; ++second) {
      if (IsLeadByte(static_cast<unsigned char>(second)) || second == kBackQuote) continue;
      const char bytes[2] = {static_cast<char>(first), static_cast<char>(second)};
      const TString text(bytes, 2);
      const TString full = ToFullWidth(text, kWidthAll);
      ASSERT_EQ(text, ToHalfWidth(full, kWidthAll)) << std::hex << "bytes 0x" << first << " 0x" << second;
    }
  }
}
