#include <windows.h>

#include "framework/path/PathFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/path/pure/PathText.h"
#include "tests/support/ShellTestFolder.h"

// Measured under Wine 8: a name that is no valid 8.3 name gets a short name
// such as "LONG~ZAT" (cAlternateFileName); an 8.3 name reports none; a
// search for a folder with a final '\' finds nothing; C:\ and Z:\ are fixed;
// GetLongPathNameA expands short names but keeps the letter case as written.

namespace {

std::string SystemLongName(const std::string& path) {
  char buffer[1024] = {};
  const DWORD length = GetLongPathNameA(path.c_str(), buffer, sizeof buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer) : std::string();
}

std::string SystemShortName(const std::string& path) {
  char buffer[1024] = {};
  const DWORD length = GetShortPathNameA(path.c_str(), buffer, sizeof buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer) : std::string();
}

std::string Upper(std::string text) {
  CharUpperBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}

char MissingDriveLetter() {
  const DWORD drives = GetLogicalDrives();
  for (char letter = 'Q'; letter <= 'Y'; ++letter) {
    if ((drives & (1u << (letter - 'A'))) == 0) return letter;
  }
  return 0;
}

class PathFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = SystemLongName(folder_.Path());
    ASSERT_FALSE(root_.empty());
    ASSERT_TRUE(CreateDirectoryA((root_ + "\\Long Folder Name").c_str(), nullptr));
    ASSERT_TRUE(folder_.WriteFile("Long Folder Name\\Long File Name.text", "x"));
    ASSERT_TRUE(CreateDirectoryA((root_ + "\\ソフト").c_str(), nullptr));
    ASSERT_TRUE(folder_.WriteFile("ソフト\\表.txt", "x"));
    ASSERT_TRUE(CreateDirectoryA((root_ + "\\empty").c_str(), nullptr));
  }

  TShellTestFolder folder_;
  std::string root_;  // the folder's own long name, no final '\'
};

}  // namespace

TEST_F(PathFiles, LongFormTakesTheNamesStoredOnDisk) {
  const std::string stored = root_ + "\\Long Folder Name\\Long File Name.text";
  struct Case {
    std::string path;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {stored, stored},
      {root_ + "\\LONG FOLDER NAME\\long file name.TEXT", stored},
      // Every component, the temporary folder's too (Wine's GetLongPathNameA
      // keeps the case as written; the names on disk are wanted here).
      {Upper(stored), stored},
      {SystemShortName(stored), stored},                       // from 8.3 names back
      {root_ + "\\long folder name\\", root_ + "\\Long Folder Name\\"},  // final '\' kept
      {root_ + "\\.\\long folder name\\..\\LONG FOLDER NAME", root_ + "\\Long Folder Name"},
      {root_ + "\\ソフト\\表.txt", root_ + "\\ソフト\\表.txt"},
      {root_ + "\\ソフト\\表.TXT", root_ + "\\ソフト\\表.txt"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TString(c.expected.c_str()), LongPathForm(TString(c.path.c_str()))) << c.path;
  }
}

TEST_F(PathFiles, LongFormStopsAtTheFirstMissingComponent) {
  struct Case {
    std::string path;
    std::string expected;
  };
  const std::vector<Case> cases = {
      // The third component is missing: it and everything after it stay as
      // written, even a later name that happens to exist elsewhere.
      {"c:\\WINDOWS\\NoSuchFolder\\SYSTEM32", "c:\\windows\\NoSuchFolder\\SYSTEM32"},
      {root_ + "\\LONG FOLDER NAME\\Missing\\LONG FILE NAME.TEXT",
       root_ + "\\Long Folder Name\\Missing\\LONG FILE NAME.TEXT"},
      {root_ + "\\missing\\", root_ + "\\missing\\"},
      // A wildcard is no name: it is never replaced by what it matches.
      {root_ + "\\long folder name\\*.text", root_ + "\\Long Folder Name\\*.text"},
      {root_ + "\\LONG?FOLDER NAME\\x", root_ + "\\LONG?FOLDER NAME\\x"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(TString(c.expected.c_str()), LongPathForm(TString(c.path.c_str()))) << c.path;
  }
}

TEST_F(PathFiles, RootsStayAsWritten) {
  const std::vector<std::pair<TString, TString>> cases = {
      {"C:\\", "C:\\"},
      {"c:", "c:\\"},
      {"C:\\WINDOWS\\", "C:\\windows\\"},
      {"C:\\windows\\..\\..\\WINDOWS", "C:\\windows"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.second, LongPathForm(c.first)) << c.first.c_str();
}

TEST_F(PathFiles, ShortFormUsesEightDotThreeNamesWhereThereAreSome) {
  const std::string stored = root_ + "\\Long Folder Name\\Long File Name.text";
  const std::string shortName = SystemShortName(stored);
  ASSERT_NE(std::string::npos, shortName.find("~")) << "Wine gives long names short forms";
  EXPECT_EQ(TString(shortName.c_str()), ShortPathForm(TString(stored.c_str())));
  EXPECT_EQ(TString(shortName.c_str()), ShortPathForm(TString(Upper(stored).c_str())));
  const std::string japanese = root_ + "\\ソフト\\表.txt";
  EXPECT_EQ(TString(SystemShortName(japanese).c_str()), ShortPathForm(TString(japanese.c_str())));
  // An 8.3 name has no separate short name: the stored name is used.
  EXPECT_EQ(TString("C:\\windows\\system32"), ShortPathForm("C:\\WINDOWS\\SYSTEM32"));
  EXPECT_EQ(TString((SystemShortName(root_ + "\\Long Folder Name") + "\\Missing\\").c_str()),
            ShortPathForm(TString((root_ + "\\Long Folder Name\\Missing\\").c_str())));
}

TEST_F(PathFiles, RelativePathsStartInTheProgramFolder) {
  const TString program = ProgramPath();
  EXPECT_EQ(TString("unit_tests.exe"), FileNamePart(LongPathForm(program)));
  EXPECT_FALSE(DriveRoot(program).IsEmpty()) << program.c_str();
  EXPECT_EQ(FolderPart(program) + TString("x.ini"), AbsolutePath("x.ini"));
  EXPECT_EQ(LongPathForm(program), LongPathForm(FileNamePart(program)));
  EXPECT_EQ(TString("D:\\x"), AbsolutePath("D:\\x"));
}

TEST_F(PathFiles, VeryLongPathsKeepWhatCannotBeLookedUp) {
  std::string tail;
  for (int i = 0; i < 200; ++i) tail += "\\Sub Folder";
  const TString path((root_ + "\\LONG FOLDER NAME" + tail).c_str());
  EXPECT_EQ(TString((root_ + "\\Long Folder Name" + tail).c_str()), LongPathForm(path));
  EXPECT_FALSE(PathExists(path));
  EXPECT_FALSE(FolderExists(path));
}

TEST_F(PathFiles, ExistenceOfFilesAndFolders) {
  struct Case {
    std::string path;
    bool exists;
    bool folderExists;
  };
  const std::vector<Case> cases = {
      {root_ + "\\Long Folder Name\\Long File Name.text", true, false},
      {root_ + "\\long folder name", true, true},
      {root_ + "\\long folder name\\", false, true},  // a search with a final '\' finds nothing
      {root_ + "\\empty", true, true},               // "." and ".." answer for an empty folder
      {root_ + "\\ソフト\\表.txt", true, false},
      {root_ + "\\ソフト", true, true},
      {root_ + "\\ソ", false, false},
      {root_ + "\\Long Folder Name\\*.text", true, false},  // a wildcard that matches
      {root_ + "\\Long Folder Name\\*.none", false, false},
      {root_ + "\\missing", false, false},
      {"C:\\", false, true},
      {"C:", false, true},
      {"", false, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.exists, PathExists(TString(c.path.c_str()))) << c.path;
    EXPECT_EQ(c.folderExists, FolderExists(TString(c.path.c_str()))) << c.path;
  }
}

TEST_F(PathFiles, DriveTypes) {
  EXPECT_EQ(static_cast<unsigned>(DRIVE_FIXED), DriveTypeOf("C:\\"));
  EXPECT_EQ(static_cast<unsigned>(DRIVE_FIXED), DriveTypeOf("c:\\windows\\x.txt"));
  EXPECT_EQ(static_cast<unsigned>(DRIVE_FIXED), DriveTypeOf("C:"));
  EXPECT_EQ(kUncDriveType, DriveTypeOf("\\\\server\\share\\x.txt"));
  EXPECT_EQ(kUncDriveType, DriveTypeOf("\\\\"));
  // A relative path lies on the current drive, as a search for it would.
  EXPECT_EQ(GetDriveTypeA(nullptr), DriveTypeOf("relative.txt"));
  const char missing = MissingDriveLetter();
  ASSERT_NE(0, missing);
  EXPECT_EQ(static_cast<unsigned>(DRIVE_NO_ROOT_DIR), DriveTypeOf(TString(std::string(1, missing) + ":\\x")));
}

TEST_F(PathFiles, ExistsUnlessRemote) {
  EXPECT_TRUE(ExistsUnlessRemote(TString((root_ + "\\ソフト\\表.txt").c_str())));
  EXPECT_FALSE(ExistsUnlessRemote(TString((root_ + "\\missing.txt").c_str())));
  // A UNC path is never looked up: a server that does not exist passes at
  // once instead of waiting for the network.
  const DWORD start = GetTickCount();
  EXPECT_TRUE(ExistsUnlessRemote("\\\\no-such-server\\share\\file.txt"));
  EXPECT_LT(GetTickCount() - start, 1000u);
  const char missing = MissingDriveLetter();
  ASSERT_NE(0, missing);
  EXPECT_FALSE(ExistsUnlessRemote(TString(std::string(1, missing) + ":\\file.txt")));
}
