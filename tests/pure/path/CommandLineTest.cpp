#include "framework/path/pure/CommandLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Items(const TTextList& list) {
  std::vector<std::string> items;
  for (const TString& item : list) items.push_back(item.Bytes());
  return items;
}

}  // namespace

TEST(SplitCommandLine, SplitsAtBlanksAndKeepsQuotedRunsWhole) {
  struct Case {
    const char* text;
    std::vector<std::string> tokens;
  } cases[] = {
      {"", {}},
      {"   \t\r\n", {}},
      {"a b", {"a", "b"}},
      {"a\tb\r\nc", {"a", "b", "c"}},
      {"\"C:\\Program Files\\x.exe\" /restore", {"\"C:\\Program Files\\x.exe\"", "/restore"}},
      {"a\"b c\"d e", {"a\"b c\"d", "e"}},
      {"\"unclosed quote runs to the end", {"\"unclosed quote runs to the end"}},
      // 0x81 0x40 is the full-width space: a double-byte character, not a blank.
      {"\x81\x40x y", {"\x81\x40x", "y"}},
      // A lead byte whose trail byte is a blank byte value keeps the pair whole.
      {"\x83 x", {"\x83", "x"}},
      {"ソフト\\表 b", {"ソフト\\表", "b"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.tokens, Items(SplitCommandLine(c.text))) << c.text;
  }
}

TEST(ParseCommandLine, ProgramPathSwitchesAndFiles) {
  struct Case {
    const char* text;
    std::string program;
    std::vector<std::string> switches;
    std::vector<std::string> files;
  } cases[] = {
      {"\"C:\\Apps\\Stowpane.exe\" /restore", "C:\\Apps\\Stowpane.exe", {"/restore"}, {}},
      {"Stowpane.exe /restore: 5 /x", "Stowpane.exe", {"/restore:5", "/x"}, {}},
      // A trailing ':' with nothing after it stays as it is.
      {"p /restore:", "p", {"/restore:"}, {}},
      // Unquoted file names with blanks are joined until a new argument starts.
      {"p my file.txt /s", "p", {"/s"}, {"my file.txt"}},
      {"p a b C:\\c d", "p", {}, {"a b", "C:\\c d"}},
      {"p a \\\\srv\\share", "p", {}, {"a", "\\\\srv\\share"}},
      {"p \"quoted name.txt\" next", "p", {}, {"quoted name.txt", "next"}},
      {"p a \"b\"", "p", {}, {"a", "b"}},
      {"p", "p", {}, {}},
      {"", "", {}, {}},
  };
  for (const auto& c : cases) {
    const TCommandLine parsed = ParseCommandLine(c.text);
    EXPECT_EQ(c.program, parsed.programPath.Bytes()) << c.text;
    EXPECT_EQ(c.switches, Items(parsed.switches)) << c.text;
    EXPECT_EQ(c.files, Items(parsed.files)) << c.text;
  }
}

TEST(FindSwitch, MatchesNameIgnoringCaseUpToTheColon) {
  const TCommandLine parsed = ParseCommandLine("p /HELP /Restore:5 /?");
  EXPECT_EQ(0, FindSwitch(parsed.switches, "/help"));
  EXPECT_EQ(1, FindSwitch(parsed.switches, "/restore"));
  EXPECT_EQ(2, FindSwitch(parsed.switches, "/?"));
  EXPECT_EQ(-1, FindSwitch(parsed.switches, "/rest"));
  EXPECT_EQ(-1, FindSwitch(parsed.switches, "/restore:5"));
  EXPECT_EQ("5", SwitchValue(parsed.switches.Item(1)).Bytes());
  EXPECT_EQ("", SwitchValue(parsed.switches.Item(0)).Bytes());
  // Only ASCII letters fold: the trail byte 0x61 of a double-byte character does not.
  const TCommandLine kanji = ParseCommandLine("p /\x83\x61");
  EXPECT_EQ(-1, FindSwitch(kanji.switches, "/\x83\x41"));
  EXPECT_EQ(0, FindSwitch(kanji.switches, "/\x83\x61"));
}

TEST(NamedFile, AQuotedProgramWithoutItsArgumentsElseTheWholeLine) {
  struct Case {
    const char* line;
    const char* file;
  } cases[] = {
      {"\"C:\\Program Files\\x.exe\" /a b", "C:\\Program Files\\x.exe"},
      {"  \"C:\\a b\\x.exe\"", "C:\\a b\\x.exe"},
      {"\"C:\\a b\\x.exe", "C:\\a b\\x.exe"},  // the closing quote forgotten
      {"C:\\Program Files\\x.exe", "C:\\Program Files\\x.exe"},
      {" notepad readme.txt\r\n", "notepad readme.txt"},
      {"\"\x83\x5c\" x", "\x83\x5c"},  // a trail byte that is a backslash
      {"\"\"", ""},
      {"   ", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.file, NamedFile(c.line).Bytes()) << c.line;
}

TEST(HelpFilePath, ReplacesTheFileExtension) {
  struct Case {
    const char* program;
    const char* help;
  } cases[] = {
      {"C:\\Apps\\Stowpane.exe", "C:\\Apps\\Stowpane.HLP"},
      {"C:\\Apps\\Stowpane", "C:\\Apps\\Stowpane.HLP"},
      {"C:\\my.apps\\Stowpane", "C:\\my.apps\\Stowpane.HLP"},
      {"C:\\a.b\\x.tar.exe", "C:\\a.b\\x.tar.HLP"},
      {"", ".HLP"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.help, HelpFilePath(c.program).Bytes()) << c.program;
}

TEST(ParseCommandLine, GarbageNeverCrashes) {
  std::string noise;
  for (int i = 0; i < 10000; ++i) noise += static_cast<char>((i * 131 + 7) % 255 + 1);
  const TCommandLine parsed = ParseCommandLine(TString(noise));
  size_t total = parsed.programPath.Length();
  for (const TString& s : parsed.switches) total += s.Length();
  for (const TString& f : parsed.files) total += f.Length();
  EXPECT_LE(total, noise.size());
  EXPECT_EQ(0, ParseCommandLine("\"").programPath.Length());
  EXPECT_EQ("\x81", ParseCommandLine("\x81").programPath.Bytes());
}
