#include <windows.h>
#include <shlobj.h>

#include "framework/path/SystemFolders.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/path/SpecialFolder.h"
#include "framework/text/TStringOps.h"
#include "tests/support/ShellTestFolder.h"

namespace {

// Exactly one final '\': the last character is one, and the character before
// it is not (stepping by characters, so "表\" passes although 表 ends in 0x5C).
void ExpectOneFinalBackslash(const TString& folder) {
  ASSERT_GE(folder.Length(), 3u) << folder.c_str();
  EXPECT_STREQ("\\", LastChar(folder).c_str()) << folder.c_str();
  const TString rest = Left(folder, folder.Length() - 1);
  const bool rootOfDrive = folder.Length() == 3 && folder.At(1) == ':';
  if (!rootOfDrive) {
    EXPECT_STRNE("\\", LastChar(rest).c_str()) << folder.c_str();
  }
}

// Restores the current folder at the end of a test.
class TCurrentFolderKeeper {
 public:
  TCurrentFolderKeeper() { GetCurrentDirectoryA(MAX_PATH, saved_); }
  ~TCurrentFolderKeeper() { SetCurrentDirectoryA(saved_); }

 private:
  char saved_[MAX_PATH + 1] = {};
};

TEST(SystemFolders, EndWithExactlyOneBackslash) {
  const TString folders[] = {WindowsFolder(), SystemFolder(), CurrentFolder()};
  for (const TString& folder : folders) ExpectOneFinalBackslash(folder);
  // The system folder lies inside the Windows folder.
  const std::string windows = WindowsFolder().Bytes();
  const std::string system = SystemFolder().Bytes();
  EXPECT_EQ(0, lstrcmpiA(windows.c_str(), system.substr(0, windows.size()).c_str()))
      << system;
}

TEST(SystemFolders, CurrentFolderAtADriveRootKeepsItsOneBackslash) {
  TCurrentFolderKeeper keeper;
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
  EXPECT_STREQ("C:\\", CurrentFolder().c_str());
}

TEST(SystemFolders, CurrentFolderEndingInTrailByte0x5C) {
  TCurrentFolderKeeper keeper;
  TShellTestFolder folder;
  const std::string japanese = folder.File("表");  // 0x95 0x5C
  ASSERT_TRUE(CreateDirectoryA(japanese.c_str(), nullptr));
  ASSERT_TRUE(SetCurrentDirectoryA(japanese.c_str()));
  const TString current = CurrentFolder();
  EXPECT_EQ(0, lstrcmpiA((japanese + "\\").c_str(), current.c_str())) << current.c_str();
  ASSERT_TRUE(SetCurrentDirectoryA(folder.Path().c_str()));
  RemoveDirectoryA(japanese.c_str());
}

TEST(SpecialFolder, ExistingFoldersEndWithOneBackslash) {
  const int existing[] = {CSIDL_WINDOWS, CSIDL_SYSTEM, CSIDL_RECENT, CSIDL_APPDATA,
                          CSIDL_STARTUP, CSIDL_DESKTOPDIRECTORY};
  for (int csidl : existing) {
    SCOPED_TRACE(csidl);
    const TString folder = SpecialFolder(csidl);
    ExpectOneFinalBackslash(folder);
  }
  EXPECT_EQ(0, lstrcmpiA(WindowsFolder().c_str(), SpecialFolder(CSIDL_WINDOWS).c_str()));
  EXPECT_EQ(0, lstrcmpiA(SystemFolder().c_str(), SpecialFolder(CSIDL_SYSTEM).c_str()));
}

TEST(SpecialFolder, FoldersWithoutPathAreEmpty) {
  // Virtual folders (no file-system path) and IDs that name no folder.
  const int none[] = {CSIDL_DRIVES, CSIDL_CONTROLS, CSIDL_BITBUCKET, 0xFE, -1};
  for (int csidl : none) {
    EXPECT_STREQ("", SpecialFolder(csidl).c_str()) << csidl;
  }
}

}  // namespace
