#include "framework/text/NumberText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Case {
  TString input;
  TString expected;
};
}  // namespace

TEST(NumberText, NormalisesTypedNumbers) {
  const std::vector<Case> cases = {
      {" +007 ", "7"},
      {"1,234.500", "1234.5"},
      {"12.000", "12"},
      {".50", "0.5"},
      {"\t\r\n42\r\n", "42"},
      {"", ""},
      {"   ", ""},
      {"0", "0"},
      {"000", "0"},
      {"00.5", "0.5"},
      {"0.0", "0"},
      {".0", "0"},         // zero, not nothing
      {".", ""},
      {"10", "10"},         // zeros of an integer stay
      {"100.", "100"},
      {"+", "+"},           // a '+' goes only before a digit
      {"+.5", "+.5"},
      {"-007", "-007"},     // a sign leads: the zeros are not leading
      {"1.2.30", "1.2.3"},
      {",,,", ""},
      {" , 1 ,", "1"},      // blanks that the separators hid are trimmed too
      {"1 2", "1 2"},
      {"0x1F", "0x1F"},
      {"１２", "１２"},     // full-width digits are left to the width conversion
      {"7\x81", "7\x81"},  // lone lead byte at the end
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, NumberText(c.input)) << c.input.c_str();
}

TEST(GroupedNumber, ThousandsSeparatorsOnTheIntegerPart) {
  const std::vector<Case> cases = {
      {"1234567", "1,234,567"},
      {"999", "999"},
      {"1000", "1,000"},
      {"100000", "100,000"},
      {"", "0"},
      {"0", "0"},
      {" 1,2,3,4 ", "1,234"},   // separators typed in the wrong places are redone
      {"+0012345", "12,345"},
      {"1234.5600", "1,234.56"},
      {".5", "0.5"},
      {"-1234567", "-1,234,567"},
      {"-007", "-7"},
      {"-", "-0"},
      {"abc", "abc"},            // no number: as typed
      {"12a456", "12a456"},
      {"18446744073709551616", "18,446,744,073,709,551,616"},  // no integer limit
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, GroupedNumber(c.input)) << c.input.c_str();
}

TEST(GroupedNumber, VeryLongNumbers) {
  const std::string digits(3000, '9');
  const TString grouped = GroupedNumber(TString(digits));
  EXPECT_EQ(3000u + 999u, grouped.Length());
  EXPECT_EQ(TString("999,"), TString(grouped.Bytes().substr(0, 4)));
}
