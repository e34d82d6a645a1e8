#include "framework/path/pure/PathText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// ソ is 83 5C and 表 is 95 5C: their second byte is the value of '\'.
static_assert(static_cast<unsigned char>("ソ"[1]) == 0x5C && static_cast<unsigned char>("表"[1]) == 0x5C,
              "the test names need trail bytes equal to a backslash");

namespace {

using Texts = std::vector<std::string>;

Texts Contents(const TTextList& list) {
  Texts texts;
  for (const TString& text : list) texts.push_back(text.Bytes());
  return texts;
}

struct Pair {
  TString input;
  TString expected;
};

}  // namespace

TEST(PathTextComponents, SplitsAndResolvesDots) {
  struct Case {
    TString path;
    Texts expected;
  };
  const std::vector<Case> cases = {
      {"C:\\a\\.\\b\\..\\c", {"C:", "a", "c"}},
      {"\\\\srv\\share\\x\\y", {"\\\\srv", "share", "x", "y"}},
      {"\\foo\\bar", {"\\foo", "bar"}},
      {"a/b\\c", {"a", "b", "c"}},
      {"C:\\a\\", {"C:", "a"}},
      {"C:\\", {"C:"}},
      {"", {}},
      {".", {}},
      {".\\a", {"a"}},
      {"C:\\ソフト\\表.txt", {"C:", "ソフト", "表.txt"}},
      {"表\\ソ\\能", {"表", "ソ", "能"}},
      {"a\\\\b", {"a", "\\b"}},            // a part keeps up to two leading separators
      {"a\\\\\\b", {"a", "\\\\b"}},
      {"a\\\\\\\\b", {"a", "\\\\", "b"}},
      {"a\x81\\b", {"a\x81\\b"}},          // 81 5C is one character
      {"a\\\x81", {"a", "\x81"}},          // lone lead byte at the end
      {"..\\..\\x", {"..", "..", "x"}},    // nothing to take back: kept
      {"a\\..\\..\\b", {"..", "b"}},       // ".." never takes back another ".."
      {"C:\\..\\x", {"C:", "x"}},          // above the root is the root
      {"C:\\a\\..\\..\\x", {"C:", "x"}},
      {"\\\\srv\\share\\..\\x", {"\\\\srv", "share", "x"}},
      {"\\foo\\..\\bar", {"\\foo", "..", "bar"}},  // "\foo" carries the root: not taken apart
      {"C:foo\\..\\bar", {"C:foo", "..", "bar"}},
      {"a\\.\\.\\..", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, Contents(PathComponents(c.path))) << c.path.c_str();
}

TEST(PathTextParts, FolderFileNameAndExtension) {
  struct Case {
    TString path;
    TString folder;
    TString fileName;
    TString extension;
  };
  const std::vector<Case> cases = {
      {"C:\\ソフト\\表.txt", "C:\\ソフト\\", "表.txt", "txt"},
      {"C:\\ソ", "C:\\", "ソ", ""},
      {"C:\\表", "C:\\", "表", ""},
      {"ソ", "", "ソ", ""},
      {"C:\\dir.d\\file", "C:\\dir.d\\", "file", ""},
      {"file.", "", "file.", ""},
      {"archive.tar.gz", "", "archive.tar.gz", "gz"},
      {"", "", "", ""},
      {"C:\\", "C:\\", "", ""},
      {".profile", "", ".profile", "profile"},
      {"a/b.c", "", "a/b.c", "c"},               // only '\' separates here
      {"\\\\srv\\share", "\\\\srv\\", "share", ""},
      {"x.表", "", "x.表", "表"},
      {"x.\x81", "", "x.\x81", "\x81"},           // lone lead byte at the end
      {"ソ.ソ\\", "ソ.ソ\\", "", ""},
      {"a.b\\c\\", "a.b\\c\\", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.folder, FolderPart(c.path)) << c.path.c_str();
    EXPECT_EQ(c.fileName, FileNamePart(c.path)) << c.path.c_str();
    EXPECT_EQ(c.extension, ExtensionOf(c.path)) << c.path.c_str();
  }
}

TEST(PathTextDriveRoot, DriveAndUncRoots) {
  const std::vector<Pair> cases = {
      {"C:\\a\\b", "C:\\"},
      {"c:", "c:\\"},
      {"C:relative", "C:\\"},
      {"\\\\srv\\share\\x\\y", "\\\\srv\\share\\"},
      {"\\\\srv\\share", "\\\\srv\\share\\"},
      {"\\\\srv", "\\\\srv\\"},
      {"\\\\srv\\", "\\\\srv\\"},
      {"\\\\", "\\\\"},
      {"\\\\サーバ\\ソフト\\x", "\\\\サーバ\\ソフト\\"},
      {"\\\\ソ\\表\\x", "\\\\ソ\\表\\"},
      {"C", ""},
      {"", ""},
      {"\\a", ""},
      {"relative\\x", ""},
      {"表:", "表:\\"},      // the second character, not the second byte
      {"表", ""},            // one character
      {"\x81", ""},
  };
  for (const Pair& c : cases) EXPECT_EQ(c.expected, DriveRoot(c.input)) << c.input.c_str();
}

TEST(PathTextAbsolute, RelativePathsJoinTheProgramFolder) {
  struct Case {
    TString path;
    TString program;
    TString expected;
  };
  const TString program = " \"C:\\Prog\\ソフト\\app.exe\" ";
  const std::vector<Case> cases = {
      {"x.ini", program, "C:\\Prog\\ソフト\\x.ini"},
      {"..\\x", program, "C:\\Prog\\ソフト\\..\\x"},
      {"", program, "C:\\Prog\\ソフト\\"},
      {"D:\\x", program, "D:\\x"},
      {"a:b", program, "a:b"},
      {"\\\\srv\\x", program, "\\\\srv\\x"},
      {"\\root.txt", program, "C:\\root.txt"},  // root-relative: the program's drive
      {"x", "app.exe", "x"},
      {"\\x", "app.exe", "\\x"},
      {"\\x", "\\\\srv\\share\\app.exe", "\\\\srv\\share\\x"},
      {"表.txt", "C:\\表", "C:\\表.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, AbsolutePath(c.path, c.program)) << c.path.c_str() << " | " << c.program.c_str();
  }
}

TEST(PathTextProgramPath, FirstCommandLineArgument) {
  const std::vector<Pair> cases = {
      {"\"C:\\Program Files\\app.exe\" /restore", "C:\\Program Files\\app.exe"},
      {"C:\\app.exe /restore", "C:\\app.exe"},
      {"  C:\\app.exe", "C:\\app.exe"},
      {"\t\"a b\"c d", "a b"},
      {"\"C:\\ソフト\\app.exe", "C:\\ソフト\\app.exe"},  // no closing quote
      {"\"\"", ""},
      {"\"", ""},
      {"", ""},
      {"C:\\表\\x.exe", "C:\\表\\x.exe"},
  };
  for (const Pair& c : cases) EXPECT_EQ(c.expected, ProgramPathOf(c.input)) << c.input.c_str();
}

TEST(PathTextQuote, QuoteAndUnquote) {
  struct Case {
    TString text;
    TString quoted;
    TString unquoted;
  };
  const std::vector<Case> cases = {
      {"abc", "\"abc\"", "abc"},
      {"\"abc\"", "\"abc\"", "abc"},
      {"\"", "\"", ""},  // one quote is both ends
      {"\"\"", "\"\"", ""},
      {"", "\"\"", ""},
      {"\"abc", "\"\"abc\"", "\"abc"},
      {"abc\"", "\"abc\"\"", "abc\""},
      {"\"ソ\"", "\"ソ\"", "ソ"},
      {"a\x81", "\"a\x81\"", "a\x81"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.quoted, QuoteText(c.text)) << c.text.c_str();
    EXPECT_EQ(c.unquoted, UnquoteText(c.text)) << c.text.c_str();
  }
}

TEST(PathTextProgramPart, ProgramOfATypedCommandLine) {
  const std::vector<Pair> cases = {
      {"  notepad /a  ", "notepad"},
      {"notepad.exe file.txt", "notepad.exe file.txt"},
      {"C:\\Program Files\\app.exe /x", "C:\\Program Files\\app.exe"},  // every run of spaces
      {"prog   \"arg\"", "prog"},
      {"prog  :x", "prog"},
      {"prog x|y", "prog x|y"},
      {"ポート |more", "ポート"},      // ポ is 83 7C: its 0x7C is no '|'
      {"a ポ", "a ポ"},
      {"\\\\srv\\share\\x.exe", "\\\\"},
      {"\\foo\\bar baz", "\\foo\\"},
      {"\\foo", "\\foo"},
      {"\\ソ\\x", "\\ソ\\"},
      {"", ""},
      {"prog \x81", "prog \x81"},
  };
  for (const Pair& c : cases) EXPECT_EQ(c.expected, ProgramPart(c.input)) << c.input.c_str();
}

TEST(PathTextNextNumberedName, CountsUpOrAppendsTwo) {
  const std::vector<Pair> cases = {
      {"新しい文字列", "新しい文字列 2"},
      {"新しい文字列 2", "新しい文字列 3"},
      {"abc9", "abc9 2"},
      {"9", "10"},
      {"x 99", "x 100"},
      {"x 009", "x 10"},
      {"x 0", "x 1"},
      {"", " 2"},
      {"x ", "x  2"},
      {"x 1 ", "x 1  2"},
      {"x 99999999999999999999", "x 100000000000000000000"},  // no integer limit
      {"表 5", "表 6"},
      {"ソ5", "ソ5 2"},
      {"x\x81" "5", "x\x81" "5 2"},
      {"x\t5", "x\t5 2"},
      {"x\x81\x40" "5", "x\x81\x40" "5 2"},  // a full-width space is no space
      {"a 1 b", "a 1 b 2"},
  };
  for (const Pair& c : cases) EXPECT_EQ(c.expected, NextNumberedName(c.input)) << c.input.c_str();
}

TEST(PathTextLists, ArrayAndListRoundTrip) {
  TTextList list;
  list.Append("a");
  list.Append("");
  list.Append("表");
  const TStringArray array = ListToArray(list);
  ASSERT_EQ(3u, array.Count());
  EXPECT_EQ(TString("表"), array.Item(2));
  EXPECT_EQ(Texts({"a", "", "表"}), Contents(ArrayToList(array)));
  EXPECT_EQ(0u, ListToArray(TTextList()).Count());
  EXPECT_EQ(0, ArrayToList(TStringArray()).Count());
}

// Every short text over bytes that matter to paths: the parts always put the
// text back together, and nothing reads past the text (ASan).
TEST(PathTextBadInput, PartsRejoinForEveryShortText) {
  const char bytes[] = {'\\', '/', '.', ':', 'a', ' ', '"', '\x81', '\x5C', '\x95', '\xFF', '0'};
  std::vector<std::string> texts = {""};
  for (int length = 1; length <= 3; ++length) {
    std::vector<std::string> longer;
    for (const std::string& text : texts) {
      if (static_cast<int>(text.size()) != length - 1) continue;
      for (char b : bytes) longer.push_back(text + b);
    }
    texts.insert(texts.end(), longer.begin(), longer.end());
  }
  for (const std::string& bytesOfText : texts) {
    const TString path(bytesOfText);
    EXPECT_EQ(path, FolderPart(path) + FileNamePart(path)) << bytesOfText;
    const std::string extension = ExtensionOf(path).Bytes();
    const std::string name = FileNamePart(path).Bytes();
    EXPECT_TRUE(name.size() >= extension.size() &&
                name.compare(name.size() - extension.size(), extension.size(), extension) == 0);
    const bool quoted = !bytesOfText.empty() && bytesOfText.front() == '"' && bytesOfText.back() == '"';
    if (!quoted) {
      EXPECT_EQ(path, UnquoteText(QuoteText(path))) << bytesOfText;
    }
    PathComponents(path);
    DriveRoot(path);
    ProgramPart(path);
    NextNumberedName(path);
    AbsolutePath(path, path);
    ProgramPathOf(path);
  }
}

TEST(PathTextBadInput, VeryLongPaths) {
  std::string path = "C:";
  for (int i = 0; i < 5000; ++i) path += "\\ソフト";
  const TString text(path);
  EXPECT_EQ(5001, PathComponents(text).Count());
  EXPECT_EQ(TString("ソフト"), FileNamePart(text));
  EXPECT_EQ(text.Length() - 6, FolderPart(text).Length());
  EXPECT_EQ(TString("C:\\"), DriveRoot(text));
  const std::string dots = std::string(100000, '.');
  EXPECT_EQ(TString(""), ExtensionOf(TString(dots)));
}
