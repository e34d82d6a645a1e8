#include "framework/text/MatchFolding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/text/LetterCase.h"
#include "framework/text/ShiftJis.h"
#include "framework/text/WidthConversion.h"

namespace {

// What the folding stands for, spelt out with the string conversions.
TString Expected(const TString& text, bool foldCase, bool foldWidth) {
  TString result = text;
  if (foldCase) result = ToUpperLetters(result);
  if (foldWidth) result = ToHalfWidth(result, kWidthAll);
  return result;
}

TString Folded(const TString& text, bool foldCase, bool foldWidth) {
  std::vector<char> out(text.Length() + 1);
  return TString(out.data(), FoldForMatch(text.c_str(), text.Length(), foldCase, foldWidth, out.data()));
}

void ExpectSameFolding(const TString& text) {
  for (bool foldCase : {false, true}) {
    for (bool foldWidth : {false, true}) {
      ASSERT_EQ(Expected(text, foldCase, foldWidth), Folded(text, foldCase, foldWidth))
          << "text of " << text.Length() << " bytes from 0x" << std::hex
          << static_cast<unsigned>(static_cast<unsigned char>(text.At(0))) << ", case " << foldCase << ", width "
          << foldWidth;
    }
  }
}

}  // namespace

TEST(FoldForMatch, FoldsCaseThenWidth) {
  EXPECT_EQ(TString("STOWPANE ｶﾞｲﾄﾞ 12"), Folded("Ｓｔｏｗｐａｎｅ　ガイド　１２", true, true));
  EXPECT_EQ(TString("ＳＴＯＷ ｶﾞ"), Folded("Ｓｔｏｗ ｶﾞ", true, false));
  EXPECT_EQ(TString("Stow ｶﾞ"), Folded("Ｓｔｏｗ ガ", false, true));
  EXPECT_EQ(TString("‘`"), Folded("‘`", true, true));  // the opening quote stays
}

TEST(FoldForMatch, EqualsTheConversionsForEveryCharacter) {
  for (unsigned byte = 0; byte <= 0xFF; ++byte) ExpectSameFolding(TString(std::string(1, static_cast<char>(byte))));
  for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
    if (!IsLeadByte(static_cast<unsigned char>(lead))) continue;
    for (unsigned trail = 0; trail <= 0xFF; ++trail) {  // trail bytes and bytes that are none
      const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      ExpectSameFolding(TString(bytes, 2));
    }
  }
}

TEST(FoldForMatch, EqualsTheConversionsForAsciiRunsAtEveryOffset) {
  // Every ASCII byte, then the bytes around the letter ranges, each run shifted
  // through every offset of an eight-byte word and ended by other characters.
  std::string ascii;
  for (int byte = 0; byte < 0x80; ++byte) ascii += static_cast<char>(byte);
  ascii += "`az{@AZ[`az{@AZ[";
  for (size_t offset = 0; offset < 9; ++offset) {
    ExpectSameFolding(TString(std::string(offset, 'x') + ascii));
    ExpectSameFolding(TString("ｱ" + std::string(offset, 'q') + ascii + "ａ\x82"));
    ExpectSameFolding(TString(std::string("\x82") + std::string(offset, 'a')));  // lead byte, then letters
  }
}
