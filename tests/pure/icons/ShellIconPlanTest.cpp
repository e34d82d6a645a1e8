#include "framework/icons/pure/ShellIconPlan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "framework/path/pure/PathText.h"

namespace {

class FolderProbe : public TIconProbe {
 public:
  std::set<std::string> folders;
  unsigned driveType = kFixedDrive;
  std::vector<std::string> touched;

  unsigned DriveType(const TString& path) override {
    return path.At(0) == '\\' && path.At(1) == '\\' ? kUncDriveType : driveType;
  }
  bool ShellKnowsType(const TString&) override { return true; }
  bool ShellKnowsFile(const TString& path) override { return Touch(path); }
  bool ShellKnowsFolder(const TString& path) override { return Touch(path); }
  bool Exists(const TString& path) override { return Touch(path); }
  bool CanMapModule(const TString& path) override { return Touch(path); }

 private:
  bool Touch(const TString& path) {
    touched.push_back(path.Bytes());
    return folders.count(path.Bytes()) != 0;
  }
};

const TString kDesktop("C:\\Users\\ユーザ\\Desktop\\");
const TString kStartMenu("C:\\Users\\ユーザ\\Start Menu\\");

}  // namespace

TEST(ShellIconPlan, DesktopByNameWithOrWithoutFinalBackslash) {
  FolderProbe probe;
  for (const char* path : {"C:\\Users\\ユーザ\\Desktop\\", "c:\\users\\ユーザ\\DESKTOP",
                           "C:\\Users\\ユーザ\\Desktop"}) {
    for (bool byType : {false, true}) {
      EXPECT_EQ(TShellIconChoice::Desktop, PlanShellIcon(path, byType, kDesktop, kStartMenu, probe)) << path;
    }
  }
  EXPECT_EQ(TShellIconChoice::Plain,
            PlanShellIcon("C:\\Users\\ユーザ\\Desktop\\x.txt", false, kDesktop, kStartMenu, probe));
  EXPECT_TRUE(probe.touched.empty());
}

TEST(ShellIconPlan, StartMenuFoldersTheShellKnows) {
  FolderProbe probe;
  probe.folders = {"C:\\Users\\ユーザ\\Start Menu\\Programs\\", "c:\\users\\ユーザ\\start menu\\"};
  EXPECT_EQ(TShellIconChoice::StartMenu,
            PlanShellIcon("C:\\Users\\ユーザ\\Start Menu\\Programs\\", false, kDesktop, kStartMenu, probe));
  EXPECT_EQ(TShellIconChoice::StartMenu,
            PlanShellIcon("c:\\users\\ユーザ\\start menu\\", true, kDesktop, kStartMenu, probe));
  // Gone from disk: the plain icon.
  EXPECT_EQ(TShellIconChoice::Plain,
            PlanShellIcon("C:\\Users\\ユーザ\\Start Menu\\Old\\", false, kDesktop, kStartMenu, probe));
}

TEST(ShellIconPlan, OtherPathsAreNotAskedAbout) {
  FolderProbe probe;
  const char* paths[] = {
      "C:\\Users\\ユーザ\\Start Menu\\Programs",  // a file name, not a folder
      "C:\\Users\\ユーザ\\Start\\",
      "E:\\Other\\",
      "\\\\srv\\share\\",
      "",
  };
  for (const char* path : paths) {
    for (bool byType : {false, true}) {
      EXPECT_EQ(TShellIconChoice::Plain, PlanShellIcon(path, byType, kDesktop, kStartMenu, probe)) << path;
    }
  }
  EXPECT_TRUE(probe.touched.empty());
}

TEST(ShellIconPlan, TypeIconsDoNotReadRemoteStartMenus) {
  FolderProbe probe;
  const TString remoteStart("\\\\srv\\profiles\\u\\Start Menu\\");
  const TString path("\\\\srv\\profiles\\u\\Start Menu\\Programs\\");
  probe.folders = {path.Bytes()};
  EXPECT_EQ(TShellIconChoice::Plain, PlanShellIcon(path, true, kDesktop, remoteStart, probe));
  EXPECT_TRUE(probe.touched.empty());
  EXPECT_EQ(TShellIconChoice::StartMenu, PlanShellIcon(path, false, kDesktop, remoteStart, probe));

  // A root-relative Start Menu on a drive that is not fixed.
  probe.driveType = 4;
  probe.touched.clear();
  EXPECT_EQ(TShellIconChoice::Plain,
            PlanShellIcon("\\Profiles\\Start Menu\\", true, kDesktop, "\\Profiles\\Start Menu\\", probe));
  EXPECT_TRUE(probe.touched.empty());
}

TEST(ShellIconPlan, UnknownFoldersMatchNothing) {
  FolderProbe probe;
  probe.folders = {"C:\\"};
  EXPECT_EQ(TShellIconChoice::Plain, PlanShellIcon("C:\\", false, "", "", probe));
  EXPECT_TRUE(probe.touched.empty());
}
