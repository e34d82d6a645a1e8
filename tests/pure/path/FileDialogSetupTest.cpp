#include "framework/path/pure/FileDialogSetup.h"

#include <gtest/gtest.h>

#include <string>

TEST(FileDialogSetup, StartsInTheFilesFolderOrOnTheDesktop) {
  const TString desktop("C:\\Users\\me\\Desktop\\");
  struct Case {
    const char* why;
    const char* path;
    const char* expected;
  } cases[] = {
      {"the file's folder, no final separator", "C:\\Data\\memo.txt", "C:\\Data"},
      {"a folder path keeps the folder", "C:\\Data\\", "C:\\Data"},
      {"no folder: the desktop", "memo.txt", "C:\\Users\\me\\Desktop"},
      {"no path at all: the desktop", "", "C:\\Users\\me\\Desktop"},
      {"a drive root keeps its separator", "C:\\memo.txt", "C:\\"},
      {"a root-relative file", "\\memo.txt", "\\"},
      {"a folder ending in trail byte 0x5C", "C:\\表\\memo.txt", "C:\\表"},
      {"a file named with trail byte 0x5C", "C:\\Data\\表", "C:\\Data"},
      {"a UNC share", "\\\\server\\share\\memo.txt", "\\\\server\\share"},
  };
  for (const Case& c : cases) {
    EXPECT_STREQ(c.expected, InitialDialogFolder(TString(c.path), desktop).c_str()) << c.why;
  }
  EXPECT_STREQ("", InitialDialogFolder(TString("memo.txt"), TString()).c_str()) << "no desktop folder";
}

TEST(FileDialogSetup, ProposesTheNameCutToTheBuffer) {
  struct Case {
    const char* why;
    std::string path;
    std::string expected;
  } cases[] = {
      {"the name part", "C:\\Data\\memo.txt", "memo.txt"},
      {"a bare name", "memo.txt", "memo.txt"},
      {"a folder proposes nothing", "C:\\Data\\", ""},
      {"a name ending in trail byte 0x5C", "C:\\Data\\表", "表"},
      {"exactly as long as fits", "C:\\" + std::string(259, 'a'), std::string(259, 'a')},
      {"one byte too long", "C:\\" + std::string(260, 'a'), std::string(259, 'a')},
      {"a cut never splits a character", "C:\\" + std::string(258, 'a') + "表", std::string(258, 'a')},
  };
  for (const Case& c : cases) {
    const TString proposed = ProposedFileName(TString(c.path));
    EXPECT_EQ(c.expected, proposed.Bytes()) << c.why;
    EXPECT_LT(proposed.Length(), kDialogFileBuffer) << c.why;
  }
}
