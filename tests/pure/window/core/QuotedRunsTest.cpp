#include "framework/window/core/pure/QuotedRuns.h"

#include <gtest/gtest.h>

#include <string>

TEST(ConvertOutsideQuotes, LeavesQuotedRunsAlone) {
  const auto upper = [](const TString& run) {
    std::string s = run.Bytes();
    for (char& c : s) {
      if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    }
    return TString(s);
  };
  struct Case {
    const char* text;
    const char* expected;
  } cases[] = {
      {"", ""},
      {"abc", "ABC"},
      {"a \"b\" c", "A \"b\" C"},
      {"open \"file.txt\"", "OPEN \"file.txt\""},
      {"one \"quote to the end", "ONE \"quote to the end"},
      {"\"\"x", "\"\"X"},
      {"\"", "\""},
      {"x\"y\"z\"w", "X\"y\"Z\"w"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, ConvertOutsideQuotes(c.text, upper).Bytes()) << c.text;
}
