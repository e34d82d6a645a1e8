#include "framework/text/LineStepping.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct Case {
  std::string text;
  size_t limit;
  size_t length;
  size_t withBreak;
  size_t lines;
};
}  // namespace

TEST(LineStepping, LengthsAndCountsWithinALimit) {
  const std::vector<Case> cases = {
      {"", 10, 0, 0, 0},
      {"abc", 10, 3, 3, 1},
      {"abc", 2, 2, 2, 1},
      {"abc", 0, 0, 0, 0},
      {"ab\r\ncd", 10, 2, 4, 2},
      {"ab\n\rcd", 10, 2, 4, 2},     // LF CR is one break too
      {"ab\r\rcd", 10, 2, 3, 3},     // two CRs are two breaks
      {"ab\ncd\n", 10, 2, 3, 2},
      {"\n\n\n", 10, 0, 1, 3},
      {"\r\n", 10, 0, 2, 1},
      {"ab\r\ncd", 3, 2, 3, 1},      // the pair is cut by the limit: one byte of it
      {"ab\r\ncd", 2, 2, 2, 1},      // the break lies beyond the limit
      {"表示\nx", 10, 4, 5, 2},
      {"表示", 3, 3, 3, 1},          // the limit ends the text: a lead byte there is one character
      {"ソ\\\r\n", 10, 3, 5, 1},
      {"a\x81", 10, 2, 2, 1},        // lone lead byte at the end
      {"a\x81\nb", 10, 2, 3, 2},     // a lead byte never swallows the break
      {"ab", 1000, 2, 2, 1},         // the terminator ends the text
  };
  for (const Case& c : cases) {
    const char* text = c.text.c_str();
    EXPECT_EQ(c.length, LineLength(c.limit, text)) << c.text << " limit " << c.limit;
    EXPECT_EQ(c.withBreak, LineLengthWithBreak(c.limit, text)) << c.text << " limit " << c.limit;
    EXPECT_EQ(c.lines, LineCount(c.limit, text)) << c.text << " limit " << c.limit;
  }
}

TEST(LineStepping, NullTextHasNoLines) {
  EXPECT_EQ(0u, LineLength(10, nullptr));
  EXPECT_EQ(0u, LineLengthWithBreak(10, nullptr));
  EXPECT_EQ(0u, LineCount(10, nullptr));
}

TEST(LineStepping, ReadsNoByteBeyondTheLimit) {
  // An unterminated buffer: ASan catches any read past its end.
  const std::vector<char> bytes = {'a', '\x81', '\r', '\n', '\x95'};
  EXPECT_EQ(2u, LineLength(bytes.size(), bytes.data()));
  EXPECT_EQ(4u, LineLengthWithBreak(bytes.size(), bytes.data()));
  EXPECT_EQ(2u, LineCount(bytes.size(), bytes.data()));
}

TEST(LineStepping, LongTexts) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "表示\r\n";
  EXPECT_EQ(20000u, LineCount(text.size(), text.c_str()));
  EXPECT_EQ(4u, LineLength(text.size(), text.c_str()));
}
