#include "framework/path/pure/FinalBackslash.h"

#include <gtest/gtest.h>

#include <string>

TEST(FinalBackslash, EndsWithExactlyOneSeparator) {
  struct Case {
    const char* folder;
    const char* expected;
  } cases[] = {
      {"", ""},                              // no folder is not the drive root
      {"C:\\", "C:\\"},                      // a drive root is kept
      {"C:\\Windows", "C:\\Windows\\"},
      {"C:\\Windows\\", "C:\\Windows\\"},
      {"\\", "\\"},
      {"C:", "C:\\"},
      {"C:\\表", "C:\\表\\"},                // ends in trail byte 0x5C
      {"C:\\ソフト\\表", "C:\\ソフト\\表\\"},
      {"C:\\表\\", "C:\\表\\"},
      {"C:\\a\x81\\", "C:\\a\x81\\\\"},      // 0x81 0x5C is one character
      {"C:\\a\x81", "C:\\a\x81\\"},          // lone lead byte at the end
      {"\xFF", "\xFF\\"},
      {"\\\\server\\share", "\\\\server\\share\\"},
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(c.expected, WithFinalBackslash(TString(c.folder)).c_str()) << c.folder;
  }
}

TEST(FinalBackslash, LongFolder) {
  const std::string longFolder = "C:\\" + std::string(5000, 'a');
  const TString result = WithFinalBackslash(TString(longFolder));
  EXPECT_EQ(longFolder.size() + 1, result.Length());
  EXPECT_EQ('\\', result.At(result.Length() - 1));
}
