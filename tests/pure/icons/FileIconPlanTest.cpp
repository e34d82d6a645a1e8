#include "framework/icons/pure/FileIconPlan.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "framework/path/pure/PathText.h"

namespace {

constexpr unsigned kRemovable = 2;
constexpr unsigned kNetwork = 4;
constexpr unsigned kOptical = 5;

// A file system of a few known paths. Drive types come from the drive
// letter; every question that reads a path is written down, so a test can
// show that a path was never touched.
class FakeProbe : public TIconProbe {
 public:
  std::set<std::string> shellFiles;    // the shell has an icon for the file
  std::set<std::string> files;         // exists
  std::set<std::string> modules;       // can be mapped
  bool knowsTypes = true;
  std::vector<std::string> touched;

  unsigned DriveType(const TString& path) override {
    if (path.At(0) == '\\' && path.At(1) == '\\') return kUncDriveType;
    switch (path.At(0)) {
      case 'C': case 'c': return kFixedDrive;
      case 'R': return kRamDisk;
      case 'A': case 'E': return kRemovable;
      case 'D': return kOptical;
      case 'N': return kNetwork;
      default: return kNoSuchDrive;
    }
  }
  bool ShellKnowsType(const TString&) override { return knowsTypes; }
  bool ShellKnowsFile(const TString& path) override { return Touch(path, shellFiles); }
  bool ShellKnowsFolder(const TString& path) override { return Touch(path, shellFiles); }
  bool Exists(const TString& path) override { return Touch(path, files); }
  bool CanMapModule(const TString& path) override { return Touch(path, modules); }

 private:
  bool Touch(const TString& path, const std::set<std::string>& known) {
    touched.push_back(path.Bytes());
    return known.count(path.Bytes()) != 0;
  }
};

struct Expected {
  TFileIconChoice choice;
  std::string path;
  int index;
};

void ExpectPlan(const Expected& expected, const TFileIconPlan& plan, const std::string& what) {
  EXPECT_EQ(static_cast<int>(expected.choice), static_cast<int>(plan.choice)) << what;
  EXPECT_EQ(expected.path, plan.path.Bytes()) << what;
  EXPECT_EQ(expected.index, plan.index) << what;
}

TIconLocation Location(const std::string& path, int index = 0) { return {TString(path), index}; }

}  // namespace

TEST(FileIconPlan, LocalFilesShowTheirOwnShellIcon) {
  FakeProbe probe;
  probe.shellFiles = {"C:\\a\\x.exe", "R:\\y.txt", "C:\\folder"};
  ExpectPlan({TFileIconChoice::ShellFile, "C:\\a\\x.exe", 0},
             PlanFileIcon("C:\\a\\x.exe", Location("%1"), probe), "registered as itself");
  ExpectPlan({TFileIconChoice::ShellFile, "R:\\y.txt", 0},
             PlanFileIcon("R:\\y.txt", Location(""), probe), "nothing registered, RAM disk");
  ExpectPlan({TFileIconChoice::ShellFile, "C:\\folder", 0},
             PlanFileIcon("C:\\folder", Location("C:\\view.exe %1"), probe), "%1 inside the location");
}

TEST(FileIconPlan, RegisteredIconsOnLocalDrives) {
  FakeProbe probe;
  probe.files = {"C:\\Windows\\notepad.exe", "C:\\icons\\a.ICO", "C:\\pics\\p.bmp",
                 "C:\\lib\\broken.dll", "C:\\data\\self.ico"};
  probe.modules = {"C:\\Windows\\notepad.exe"};
  const struct {
    std::string path;
    TIconLocation location;
    Expected expected;
  } cases[] = {
      {"C:\\t.txt", Location("C:\\Windows\\notepad.exe", 2),
       {TFileIconChoice::ModuleIcon, "C:\\Windows\\notepad.exe", 2}},
      {"E:\\t.txt", Location("C:\\Windows\\notepad.exe", -5),  // the file is elsewhere: fine
       {TFileIconChoice::ModuleIcon, "C:\\Windows\\notepad.exe", -5}},
      {"C:\\t.x", Location("C:\\icons\\a.ICO", 3), {TFileIconChoice::IconFile, "C:\\icons\\a.ICO", 0}},
      // "%1" stands for the path; the shell did not know the file.
      {"C:\\data\\self.ico", Location("%1"), {TFileIconChoice::IconFile, "C:\\data\\self.ico", 0}},
      // Pictures are no modules; missing and unmappable files are skipped.
      {"C:\\t.x", Location("C:\\pics\\p.bmp"), {TFileIconChoice::ShellType, "C:\\t.x", 0}},
      {"C:\\t.x", Location("C:\\missing.dll"), {TFileIconChoice::ShellType, "C:\\t.x", 0}},
      {"C:\\t.x", Location("C:\\lib\\broken.dll"), {TFileIconChoice::ShellType, "C:\\t.x", 0}},
  };
  for (const auto& c : cases) ExpectPlan(c.expected, PlanFileIcon(TString(c.path), c.location, probe), c.path);
}

TEST(FileIconPlan, RemoteAndRemovableFilesAreNeverTouched) {
  FakeProbe probe;
  probe.shellFiles = probe.files = probe.modules = {
      "A:\\setup.exe", "D:\\autorun.ico", "N:\\share\\x.doc", "\\\\srv\\share\\dir\\",
      "E:\\icons\\x.ico", "\\\\srv\\share\\x.exe", "E:\\self.exe"};
  const struct {
    std::string path;
    TIconLocation location;
  } cases[] = {
      {"A:\\setup.exe", Location("%1")},
      {"D:\\autorun.ico", Location("")},
      {"N:\\share\\x.doc", Location("")},
      {"\\\\srv\\share\\dir\\", Location("")},
      {"\\\\srv\\share\\x.exe", Location("%1")},
      {"C:\\t.x", Location("E:\\icons\\x.ico")},   // the registered icon lies on a removable disk
      {"E:\\self.exe", Location("%1")},
  };
  for (const auto& c : cases) {
    probe.touched.clear();
    ExpectPlan({TFileIconChoice::ShellType, c.path, 0}, PlanFileIcon(TString(c.path), c.location, probe), c.path);
    EXPECT_TRUE(probe.touched.empty()) << c.path << " touched " << probe.touched.front();
  }
}

TEST(FileIconPlan, DriveRootsAskTheShellOnAnyDrive) {
  FakeProbe probe;
  probe.shellFiles = {"D:\\", "A:\\"};
  ExpectPlan({TFileIconChoice::ShellFile, "D:\\", 0}, PlanFileIcon("D:\\", Location(""), probe), "optical");
  ExpectPlan({TFileIconChoice::ShellFile, "A:\\", 0}, PlanFileIcon("A:\\", Location(""), probe), "floppy");
  probe.touched.clear();
  // "D:" alone is the current folder of D:, not its root; a share is no drive root.
  PlanFileIcon("D:", Location(""), probe);
  PlanFileIcon("\\\\srv\\share\\", Location(""), probe);
  EXPECT_TRUE(probe.touched.empty());
}

TEST(FileIconPlan, PatternsNeverTouchTheDisk) {
  FakeProbe probe;
  probe.files = {"C:\\Windows\\winhlp32.exe"};
  probe.modules = {"C:\\Windows\\winhlp32.exe"};
  ExpectPlan({TFileIconChoice::ModuleIcon, "C:\\Windows\\winhlp32.exe", 0},
             PlanFileIcon("*.hlp", Location("C:\\Windows\\winhlp32.exe"), probe), "registered");
  EXPECT_EQ(std::vector<std::string>({"C:\\Windows\\winhlp32.exe", "C:\\Windows\\winhlp32.exe"}),
            probe.touched);

  for (const char* pattern : {"*.hlp", "C:\\*.exe", "C:\\a?.txt", "E:\\*"}) {
    probe.touched.clear();
    ExpectPlan({TFileIconChoice::ShellType, pattern, 0}, PlanFileIcon(pattern, Location("%1"), probe),
               pattern);
    EXPECT_TRUE(probe.touched.empty()) << pattern;
  }
}

TEST(FileIconPlan, SelfNamedFilesWithoutTypeIconGetStockIcons) {
  FakeProbe probe;
  probe.knowsTypes = false;
  const struct {
    std::string path;
    TIconLocation location;
    TFileIconChoice choice;
  } cases[] = {
      {"E:\\x.exe", Location("%1"), TFileIconChoice::StockApplication},
      {"C:\\X.EXE", Location("%1"), TFileIconChoice::StockApplication},
      {"C:\\x.exe.txt", Location("%1"), TFileIconChoice::StockWinLogo},
      {"C:\\x.dat", Location("%1"), TFileIconChoice::StockWinLogo},
      {"C:\\x.dat", Location("C:\\X.DAT"), TFileIconChoice::StockWinLogo},  // names itself, other case
      {"C:\\x.dat", Location(""), TFileIconChoice::Fallback},
      {"C:\\x.dat", Location("C:\\other.dat"), TFileIconChoice::Fallback},
      {"C:\\x.exe", Location("%1.lnk"), TFileIconChoice::Fallback},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(static_cast<int>(c.choice), static_cast<int>(PlanFileIcon(TString(c.path), c.location, probe).choice))
        << c.path;
  }
}

TEST(FileIconPlan, EmptyPathAsksNothing) {
  FakeProbe probe;
  ExpectPlan({TFileIconChoice::Fallback, "", 0}, PlanFileIcon("", Location("%1"), probe), "empty");
  EXPECT_TRUE(probe.touched.empty());
}

TEST(FileIconPlan, ReplacesTheFirstPlaceholderOnly) {
  const struct {
    std::string text;
    std::string expected;
  } cases[] = {
      {"%1", "P"},
      {"a%1b%1", "aPb%1"},
      {"%%1", "%P"},
      {"%", "%"},
      {"%2", "%2"},
      {"表%1", "表P"},           // 95 5C then the placeholder
      {"\x81%1", "\x81P"},       // '%' is never a second byte: the lead byte stands alone
      {"x%", "x%"},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.expected, ReplaceFirstPlaceholder(TString(c.text), TString("P")).Bytes()) << c.text;
  }
}
