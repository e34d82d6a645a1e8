#include "framework/path/pure/CaseFoldedPath.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(CaseFoldedPath, SameIgnoringCase) {
  const struct {
    std::string a;
    std::string b;
    bool same;
  } cases[] = {
      {"C:\\Windows\\NOTEPAD.EXE", "c:\\windows\\notepad.exe", true},
      {"C:\\Ｄｏｃ\\a", "c:\\ｄｏｃ\\A", true},  // full-width letters fold too
      {"C:\\ア", "C:\\\x83\x61", false},       // ア is 83 41: its trail byte is no letter
      {"C:\\ソ", "C:\\ソ", true},
      {"C:\\a", "C:\\a\\", false},
      {"", "", true},
      {"\x81", "\x81", true},
      {"a\x81", "A\x81", true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.same, SamePathIgnoringCase(TString(c.a), TString(c.b))) << c.a << " | " << c.b;
  }
}

TEST(CaseFoldedPath, StartsWithEndsOnACharacter) {
  const struct {
    std::string path;
    std::string prefix;
    bool starts;
  } cases[] = {
      {"C:\\Users\\U\\Start Menu\\Programs\\", "c:\\users\\u\\start menu\\", true},
      {"C:\\Users\\U\\Start Menu\\", "C:\\USERS\\U\\START MENU\\", true},
      {"C:\\Users\\U\\Start", "C:\\Users\\U\\Start Menu\\", false},
      {"表x", "\x95", false},  // would end between the two bytes of 表
      {"表x", "表", true},
      {"ソフト", "ｿ", false},
      {"anything", "", true},
      {"", "", true},
      {"", "a", false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.starts, PathStartsWithIgnoringCase(TString(c.path), TString(c.prefix)))
        << c.path << " | " << c.prefix;
  }
}
