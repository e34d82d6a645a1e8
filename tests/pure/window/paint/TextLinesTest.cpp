#include "framework/window/paint/pure/TextLines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(SplitTextLines, EachBreakKindEndsOneLine) {
  using Lines = std::vector<std::string>;
  struct Case {
    std::string text;
    Lines expected;
    const char* reason;
  } cases[] = {
      {"", {""}, "an empty text still takes one line"},
      {"abc", {"abc"}, "no break"},
      {"a\r\nb", {"a", "b"}, "CR LF is one break"},
      {"a\n\rb", {"a", "b"}, "LF CR is one break too"},
      {"a\rb\nc", {"a", "b", "c"}, "lone CR and lone LF each break"},
      {"a\r\n\r\nb", {"a", "", "b"}, "an empty line between two pairs"},
      {"a\n\nb", {"a", "", "b"}, "two equal bytes are two breaks"},
      {"a\r\n", {"a", ""}, "a final break leaves an empty last line"},
      {"\tx\ty", {"\tx\ty"}, "tabs stay for the painter to expand"},
      {"\x83\x4e\r\n\x88\x9f", {"\x83\x4e", "\x88\x9f"}, "double-byte characters pass unchanged"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, SplitTextLines(TString(c.text))) << c.reason;
}
