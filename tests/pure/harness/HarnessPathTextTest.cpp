// Paths and command lines the harness builds for the programs it starts.
#include <gtest/gtest.h>

#include "tests/support/pure/CommandLineQuoting.h"
#include "tests/support/pure/WinePath.h"

namespace {

struct Case {
  const char* in;
  const char* out;
};

TEST(WinePath, UnixRootIsDriveZ) {
  const Case cases[] = {
      {"/work/main/build/win32", "Z:\\work\\main\\build\\win32"},
      {"/", "Z:\\"},
      {"/a b/c/", "Z:\\a b\\c\\"},
      {"C:\\windows", "C:\\windows"},
      {"relative/path", "relative/path"},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(WinePathFromUnix(c.in), c.out);
  }
}

TEST(QuoteArgument, QuotesOnlyWhatWouldSplitOrVanish) {
  const Case cases[] = {
      {"plain", "plain"},
      {"Z:\\a\\b.exe", "Z:\\a\\b.exe"},
      {"", "\"\""},
      {"a b", "\"a b\""},
      {"tab\there", "\"tab\there\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"C:\\dir with space\\", "\"C:\\dir with space\\\\\""},
      {"a\\\\\"b", "\"a\\\\\\\\\\\"b\""},
      {"/log:C:\\users\\x y\\t.log", "\"/log:C:\\users\\x y\\t.log\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(QuoteArgument(c.in), c.out);
  }
}

}  // namespace
