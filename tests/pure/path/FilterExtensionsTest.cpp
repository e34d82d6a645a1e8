#include "framework/path/pure/FilterExtensions.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;

namespace {

std::vector<std::string> Texts(const TTextList& list) {
  std::vector<std::string> texts;
  for (const TString& text : list) texts.push_back(text.Bytes());
  return texts;
}

TTextList List(std::initializer_list<const char*> texts) {
  TTextList list;
  for (const char* text : texts) list.Append(TString(text));
  return list;
}

}  // namespace

TEST(FilterExtensions, EveryMaskOfEveryPattern) {
  struct Case {
    std::string_view filter;
    std::vector<std::string> expected;
  } cases[] = {
      {"ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙ {*.exe}\0*.exe\0ﾊﾞｯﾁﾌｧｲﾙ {*.bat}\0*.bat\0すべてのﾌｧｲﾙ {*.*}\0*.*\0\0"sv,
       {"exe", "bat", "*"}},
      {"各種\0*.exe;*.com\0All\0*.*\0\0"sv, {"exe", "com", "*"}},
      // Blanks around masks and empty masks.
      {"Logs\0 *.txt ; *.log ;;\0\0"sv, {"txt", "log"}},
      // Each extension once, the first spelling kept.
      {"T\0*.TXT;*.txt;*.Txt\0U\0*.txt\0\0"sv, {"TXT"}},
      {"No extension\0*.\0\0"sv, {""}},
      {"Any\0*\0\0"sv, {"*"}},
      {"Named\0README\0\0"sv, {""}},
      {"Archives\0*.tar.gz\0\0"sv, {"gz"}},
      // The description's ';' and '.' are no masks.
      {"a.b;c.d\0*.x\0\0"sv, {"x"}},
      // Parsing stops at the block's closing empty text.
      {"D\0*.a\0\0D2\0*.b\0\0"sv, {"a"}},
      // A block that lacks its terminators is read to its end only.
      {"Text\0*.txt"sv, {"txt"}},
      {"Text\0*.txt\0"sv, {"txt"}},
      // A description without a pattern names nothing.
      {"Text\0*.txt\0Orphan\0\0"sv, {"txt"}},
      {"Orphan"sv, {}},
      {""sv, {}},
      {"\0*.txt\0\0"sv, {}},
      // Shift-JIS in masks is kept byte for byte.
      {"J\0*.表;*.ﾃｷｽﾄ\0\0"sv, {"表", "ﾃｷｽﾄ"}},
      {"Bytes\0*.\x81\0\0"sv, {"\x81"}},  // lone lead byte at the end of a mask
      {"Bytes\0*.\xFF\xFE\0\0"sv, {"\xFF\xFE"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, Texts(FilterExtensions(c.filter)))
        << std::string(c.filter.begin(), c.filter.end());
  }
}

TEST(FilterExtensions, MatchesExtensionOfTheFileName) {
  struct Case {
    const char* path;
    std::initializer_list<const char*> extensions;
    bool matches;
  } cases[] = {
      {"C:\\a\\b.EXE", {"bat", "exe"}, true},
      {"C:\\a\\b.exe", {"EXE"}, true},
      {"C:\\a\\b.exe.txt", {"exe"}, false},
      {"C:\\a\\b.ex", {"exe"}, false},
      {"C:\\a\\b.exee", {"exe"}, false},
      {"C:\\my.dir\\file", {"dir"}, false},    // a folder's dot is no extension
      {"C:\\my.dir\\file", {""}, true},
      {"C:file.txt", {"txt"}, true},
      {"C:\\a\\file.", {""}, true},
      {"C:\\a\\file", {"txt"}, false},
      {"", {""}, true},
      {"C:\\a\\b.exe", {}, false},
      {"C:\\a\\b.exe", {"*"}, true},            // "*.*": any file
      {"C:\\a\\noext", {"txt", "*"}, true},
      // Trail byte 0x5C belongs to its character: not a folder separator.
      {"C:\\x.\x83\x5C", {"\x83\x5C"}, true},  // extension "ソ"
      {"C:\\x.表", {"表"}, true},
      {"C:\\表.txt", {"txt"}, true},
      // Trail bytes are not case-folded: 0x83 0x61 and 0x83 0x41 differ.
      {"C:\\x.\x83\x61", {"\x83\x41"}, false},
      {"C:\\x.ａ", {"ａ"}, true},
      {"C:\\x.ＴＸＴ", {"ｔｘｔ"}, true},          // full-width letters fold too
      {"C:\\x.ＴＸＴ", {"txt"}, false},           // but are not ASCII
      {"C:\\x.\x81", {"\x81"}, true},           // lone lead byte at the end
      {"C:\\x.\xFF", {"\xDF"}, false},          // no folding above 0x7F
      {"C:\\x.@", {"`"}, false},                // neighbours of the letters
      {"C:\\x.[", {"{"}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.matches, MatchesFilterExtensions(TString(c.path), List(c.extensions))) << c.path;
  }
}

TEST(FilterExtensions, LongPath) {
  const std::string path = "C:\\" + std::string(10000, '.') + "x.TXT";
  EXPECT_TRUE(MatchesFilterExtensions(TString(path), List({"txt"})));
  EXPECT_FALSE(MatchesFilterExtensions(TString(path), List({"x.txt"})));
}
