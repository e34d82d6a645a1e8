#include "framework/text/CharClasses.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TClassTest = bool (*)(char);

struct TClassCase {
  const char* name;
  TClassTest test;
  std::string members;      // each must be in the class
  std::string neighbours;   // bytes next to the class's edges, and non-ASCII bytes
  int memberCount;          // over all 256 byte values
};

// Non-ASCII bytes: lead bytes (0x82 starts full-width letters and digits),
// trail-only bytes, half-width katakana and the top byte. None is ever a
// letter or digit, so scanning bytes cannot land inside a character.
const std::string kHighBytes = "\x80\x82\x9F\xA0\xB1\xDF\xE0\xFC\xFF";

TEST(CharClasses, EachClassHoldsExactlyItsBytes) {
  const TClassCase cases[] = {
      {"digit", IsDigitByte, "0123456789", "/:aA " + kHighBytes, 10},
      {"hex digit", IsHexDigitByte, "0123456789abcdefABCDEF", "/:`gG@ " + kHighBytes, 22},
      {"upper", IsUpperByte, "AMZ", "@[az" + kHighBytes, 26},
      {"lower", IsLowerByte, "amz", "`{AZ" + kHighBytes, 26},
      {"letter", IsLetterByte, "AZaz", "@[`{_0" + kHighBytes, 52},
      {"identifier", IsIdentifierByte, "AZaz09_", "@[`{/:-. " + kHighBytes, 63},
      {"line break", IsLineBreakByte, "\r\n", std::string("\t \x0B\x0C", 4) + kHighBytes, 2},
      // Printable: everything but TAB, LF and CR, NUL and other controls included.
      {"printable", IsPrintableByte, std::string("\0\x01\x0B\x0C \x7F", 6) + kHighBytes, "\t\r\n", 253},
  };
  for (const TClassCase& c : cases) {
    for (char member : c.members) EXPECT_TRUE(c.test(member)) << c.name << " byte " << int(uint8_t(member));
    for (char other : c.neighbours) EXPECT_FALSE(c.test(other)) << c.name << " byte " << int(uint8_t(other));
    int count = 0;
    for (int b = 0; b < 256; ++b) count += c.test(static_cast<char>(b)) ? 1 : 0;
    EXPECT_EQ(c.memberCount, count) << c.name;
  }
}

}  // namespace
