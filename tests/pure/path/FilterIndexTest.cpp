#include "framework/path/pure/FilterIndex.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace std::string_view_literals;

namespace {

constexpr std::string_view kPrograms =
    "ﾌﾟﾛｸﾞﾗﾑﾌｧｲﾙ {*.exe}\0*.exe\0ﾊﾞｯﾁﾌｧｲﾙ {*.bat}\0*.bat\0すべてのﾌｧｲﾙ {*.*}\0*.*\0\0"sv;
constexpr std::string_view kGeneralFirst = "各種実行ﾌｧｲﾙ\0*.exe;*.com\0すべてのﾌｧｲﾙ\0*.*\0\0"sv;

}  // namespace

TEST(FilterIndex, TheMarkIsTheWordForVariousInShiftJis) {
  EXPECT_EQ(std::string_view("\x8a\x65\x8e\xed"), std::string_view("各種"));
}

TEST(FilterIndex, PicksThePairForTheExtension) {
  struct Case {
    const char* why;
    std::string_view filter;
    std::string_view extension;
    int expected;
  } cases[] = {
      {"first pattern", kPrograms, "exe", 1},
      {"second pattern", kPrograms, "bat", 2},
      {"unknown extension falls to all files", kPrograms, "txt", 3},
      {"no extension, no general entry: all files", kPrograms, "", 3},
      {"no extension: the general entry", kGeneralFirst, "", 1},
      {"a second mask of a pattern", kGeneralFirst, "com", 1},
      {"unknown extension skips the general entry", kGeneralFirst, "txt", 2},
      {"the first of two general entries", "A\0*.a\0各種1\0*.b\0各種2\0*.c\0\0"sv, "", 2},
      {"a mask before ';' counts", "Text\0*.txt;*.log\0Any\0*.*\0\0"sv, "txt", 1},
      {"a mask followed by more text is not the extension", "Text\0*.txt2\0Any\0*.*\0\0"sv, "txt", 2},
      {"the mask's end matches even inside a longer one", "Html\0*.shtml\0Any\0*.*\0\0"sv, "html", 1},
      {"a later occurrence ends a mask", "X\0*.exe1;*.exe\0\0"sv, "exe", 1},
      {"the extension is compared as written", "Text\0*.TXT\0Any\0*.*\0\0"sv, "txt", 2},
      {"all files inside a list of masks", "T\0*.t\0Mixed\0*.x;*.*;*.y\0\0"sv, "q", 2},
      {"'*.*' followed by text is not all files", "T\0*.t\0Odd\0*.*x\0Last\0*.l\0\0"sv, "q", 3},
      {"the first all-files pair", "A\0*.*\0B\0*.*\0\0"sv, "q", 1},
      {"a description's text is no pattern", "*.*\0*.a\0B\0*.b\0\0"sv, "q", 2},
      {"a final description without a pattern gives 1", "A\0*.a\0B\0*.b\0Orphan\0\0"sv, "q", 1},
      {"nothing fits: the last pair", "A\0*.a\0B\0*.b\0\0"sv, "q", 2},
      {"an empty block has no pair", ""sv, "exe", 0},
      {"an opening empty text ends the block", "\0A\0*.a\0\0"sv, "a", 0},
      {"a block lacking terminators is read to its end", "A\0*.a\0B\0*.b"sv, "b", 2},
      {"a lone description without terminator", "Orphan"sv, "q", 1},
      {"the mark must start a character", "\x81\x8a\x65\x8e\xed\0*.a\0B\0*.b\0\0"sv, "", 2},
      {"the mark after a whole double-byte character", "ﾃ各種\0*.a\0B\0*.b\0\0"sv, "", 1},
      {"texts after the closing empty text are ignored", "A\0*.a\0\0B\0*.b\0\0"sv, "b", 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, FilterIndex(c.filter, c.extension)) << c.why;
  }
}
