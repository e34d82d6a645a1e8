#include "framework/icons/pure/IconLocation.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

// ソ is 83 5C and 表 is 95 5C: their second byte is the value of '\'.
static_assert(static_cast<unsigned char>("表"[1]) == 0x5C, "the vectors need a trail byte 0x5C");

namespace {

struct Case {
  std::string text;
  std::string path;
  int index;
};

void ExpectParses(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const TIconLocation location = ParseIconLocation(TString(c.text));
    EXPECT_EQ(c.path, location.path.Bytes()) << "text: " << c.text;
    EXPECT_EQ(c.index, location.index) << "text: " << c.text;
  }
}

}  // namespace

TEST(IconLocationParse, SplitsPathAndIndexAtTheFirstComma) {
  ExpectParses({
      {"C:\\Windows\\system32\\shell32.dll,3", "C:\\Windows\\system32\\shell32.dll", 3},
      {"C:\\x.dll,1,2", "C:\\x.dll", 1},
      {"C:\\x.dll", "C:\\x.dll", 0},
      {",5", "", 5},
      {"C:\\x.dll,", "C:\\x.dll", 0},
      {"%SystemRoot%\\system32\\shell32.dll,-154", "%SystemRoot%\\system32\\shell32.dll", -154},
      {"%1", "%1", 0},
  });
}

TEST(IconLocationParse, ReadsSignedIndexesAndIgnoresWhatFollowsTheDigits) {
  ExpectParses({
      {"a.exe,-35", "a.exe", -35},
      {"a.exe,+4", "a.exe", 4},
      {"a.exe, \t7 ", "a.exe", 7},
      {"a.exe,-2abc", "a.exe", -2},
      {"a.exe,12 34", "a.exe", 12},
      {"a.exe,007", "a.exe", 7},
      {"a.exe,-0", "a.exe", 0},
  });
}

TEST(IconLocationParse, GarbageIndexesCountAsZero) {
  ExpectParses({
      {"a.exe,abc", "a.exe", 0},
      {"a.exe,- 3", "a.exe", 0},
      {"a.exe,-", "a.exe", 0},
      {"a.exe,+-1", "a.exe", 0},
      {"a.exe,\x81\x40" "1", "a.exe", 0},
      {"a.exe,\xFF", "a.exe", 0},
  });
}

TEST(IconLocationParse, HugeIndexesSaturateInsteadOfOverflowing) {
  ExpectParses({
      {"a.exe,2147483647", "a.exe", INT_MAX},
      {"a.exe,2147483648", "a.exe", INT_MAX},
      {"a.exe,99999999999999999999999", "a.exe", INT_MAX},
      {"a.exe,-2147483648", "a.exe", -INT_MAX},
      {"a.exe,-99999999999999999999999", "a.exe", -INT_MAX},
  });
}

TEST(IconLocationParse, QuotedPathsKeepTheirCommas) {
  ExpectParses({
      {"\"C:\\Program Files\\x.exe\",1", "C:\\Program Files\\x.exe", 1},
      {"\"C:\\a,b\\x.exe\",2", "C:\\a,b\\x.exe", 2},
      {"\"C:\\a,b\\x.exe\"", "C:\\a,b\\x.exe", 0},
      {"\"C:\\a.exe\" ,3", "C:\\a.exe", 3},
      {"\"C:\\a.exe\" junk,3", "C:\\a.exe", 3},
      {"\"\",5", "", 5},
      {"\"%1\"", "%1", 0},
      {"\" C:\\a.exe \",4", "C:\\a.exe", 4},
  });
}

TEST(IconLocationParse, UnclosedQuoteIsDropped) {
  ExpectParses({
      {"\"C:\\x.exe,4", "C:\\x.exe", 4},
      {"\"C:\\x.exe", "C:\\x.exe", 0},
      {"\"", "", 0},
      {"\",", "", 0},
  });
}

TEST(IconLocationParse, TrimsBlanksAndLineBreaks) {
  ExpectParses({
      {"  C:\\x.dll , 7 ", "C:\\x.dll", 7},
      {"\tC:\\a.ico\r\n", "C:\\a.ico", 0},
      {"", "", 0},
      {"   ", "", 0},
      {"\r\n,\r\n", "", 0},
  });
}

TEST(IconLocationParse, ShiftJisPathsStayWhole) {
  ExpectParses({
      {"C:\\ソフト\\表.exe,2", "C:\\ソフト\\表.exe", 2},
      {"\"C:\\能力\\アイコン.dll\",-1", "C:\\能力\\アイコン.dll", -1},
      {"ｱｲｺﾝ.ico", "ｱｲｺﾝ.ico", 0},
      // A lone lead byte: ',' can never be its second byte.
      {"\x81,3", "\x81", 3},
      {"C:\\\x82", "C:\\\x82", 0},
      {"\x80\xA0\xFD\xFE\xFF,1", "\x80\xA0\xFD\xFE\xFF", 1},
  });
}

TEST(IconLocationParse, VeryLongPath) {
  const std::string path = "C:\\" + std::string(20000, 'x') + "\\表.dll";
  ExpectParses({{path + ",9", path, 9}, {"\"" + path + "\",-9", path, -9}});
}
