// The Startup shortcut at a start by the user, with the real Stowpane.exe,
// when it cannot be written: the notice that says the program now starts with
// the system shows only when the shortcut really was written, and a Startup
// folder that cannot be found means no shortcut anywhere. The folder is made
// unknown through the user's shell folders, where the shell looks it up.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/path/SpecialFolder.h"
#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr const char* kUserShellFolders = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr const char* kShortcutName = "Stowpane(システムトレイに常駐).lnk";
// Written before each start; the start-up work stores it clamped to 300 once
// the notice, if any, is over.
constexpr DWORD kUnclampedPeriod = 100;

// The user's Startup folder pointed elsewhere while the object lives.
class StartupFolderOverride {
 public:
  explicit StartupFolderOverride(const char* path) : saved_(ReadHkcuValue(kUserShellFolders, "Startup")) {
    if (path != nullptr) WriteHkcuValue(kUserShellFolders, "Startup", REG_EXPAND_SZ, std::string(path) + '\0');
  }
  ~StartupFolderOverride() {
    if (saved_) {
      WriteHkcuValue(kUserShellFolders, "Startup", saved_->type, saved_->bytes);
    } else {
      DeleteHkcuValue(kUserShellFolders, "Startup");
    }
  }
  StartupFolderOverride(const StartupFolderOverride&) = delete;
  StartupFolderOverride& operator=(const StartupFolderOverride&) = delete;

 private:
  std::optional<RegistryValue> saved_;
};

// A folder where the shortcut goes, so that it cannot be written; removed
// whatever happens (a folder left there would block every later test).
class BlockingFolder {
 public:
  explicit BlockingFolder(std::string path)
      : path_(std::move(path)), made_(CreateDirectoryA(path_.c_str(), nullptr)) {}
  ~BlockingFolder() {
    if (made_) RemoveDirectoryA(path_.c_str());
  }
  BlockingFolder(const BlockingFolder&) = delete;
  BlockingFolder& operator=(const BlockingFolder&) = delete;
  bool Made() const { return made_ != FALSE; }

 private:
  std::string path_;
  BOOL made_;
};

std::string FolderOf(const std::string& path) { return path.substr(0, path.find_last_of('\\') + 1); }

// The start-up work is over: the period it stores clamped is there.
bool StartupWorkDone() {
  return ReadHkcuDword(kApplicationKey, "PeriodicTimer").value_or(kUnclampedPeriod) != kUnclampedPeriod;
}

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

class StartupNotice : public ::testing::Test {
 protected:
  StartupNotice() : settings_(kApplicationKey) {}
  void SetUp() override {
    // Only the start's notice is shown; the exit's is answered beforehand.
    ASSERT_TRUE(WriteHkcuDword(kStereotypeKey, "Unregister", IDOK));
    ASSERT_TRUE(tray_.Start());
  }
  // A notice of Stowpane's: a visible shape other than the main window, with OK.
  HWND OpenNotice() {
    for (HWND w : FindTopLevelWindows({kMainWindowClass, std::nullopt, stowpane_.Process().Id()})) {
      if (w != stowpane_.MainWindow() && IsWindowVisible(w) && GetDlgItem(w, IDOK) != nullptr) return w;
    }
    return nullptr;
  }

  ClearedHkcuKey settings_;
  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
};

}  // namespace

TEST_F(StartupNotice, ShowsOnlyWhenTheShortcutWasWrittenAndNothingIsWrittenWithoutAStartupFolder) {
  const std::string startup = SpecialFolder(CSIDL_STARTUP).Bytes();
  ASSERT_FALSE(startup.empty());
  char current[MAX_PATH] = {};
  ASSERT_NE(0u, GetCurrentDirectoryA(sizeof current, current));
  // Where a shortcut without its folder would land: the folder the program
  // runs in (it inherits ours) and the program's own folder; and the usual
  // Startup folder, read before it is pointed elsewhere.
  const std::vector<std::string> elsewhere = {std::string(current) + "\\" + kShortcutName,
                                              FolderOf(ProgramPath("Stowpane.exe")) + kShortcutName,
                                              startup + kShortcutName};
  struct Case {
    const char* reason;
    const char* startupFolder;  // the user's Startup folder; null: as it is
    bool blocked;               // a folder of the shortcut's name stands where it goes
    bool written;               // the shortcut is written and the notice shows
  } cases[] = {
      {"the usual Startup folder", nullptr, false, true},
      {"a Startup folder below a file cannot exist", "C:\\windows\\win.ini\\StartUp", false, false},
      {"the shortcut cannot be written", nullptr, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    for (const std::string& path : elsewhere) DeleteFileA(path.c_str());
    std::optional<BlockingFolder> blocking;
    if (c.blocked) {
      blocking.emplace(startup + kShortcutName);
      ASSERT_TRUE(blocking->Made());
    }
    ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", kUnclampedPeriod));
    {
      StartupFolderOverride folder(c.startupFolder);
      stowpane_.ShowStartupNotices(true);
      ASSERT_TRUE(stowpane_.Start());
      ASSERT_NE(nullptr, stowpane_.WaitForMainWindow());
      HWND notice = nullptr;
      EXPECT_TRUE(WaitUntil(
          [&] {
            notice = OpenNotice();
            return notice != nullptr || StartupWorkDone();
          },
          kWaitMs));
      EXPECT_EQ(c.written, notice != nullptr);
      if (notice != nullptr) {
        PostMessageA(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(notice, IDOK)));
        EXPECT_TRUE(WaitForWindowGone(notice, kWaitMs));
      }
      EXPECT_TRUE(WaitUntil(StartupWorkDone, kWaitMs)) << "the start-up work did not finish";
      EXPECT_EQ(c.written, IsFile(startup + kShortcutName));
      if (!c.written) {
        for (const std::string& path : elsewhere) EXPECT_FALSE(IsFile(path)) << path;
      }
      ASSERT_TRUE(stowpane_.Exit());
    }
  }
  for (const std::string& path : elsewhere) DeleteFileA(path.c_str());
}

// An installer ends a running copy with /exit: the notice of its start, which
// has the main window's class and title, must not take the request instead.
TEST_F(StartupNotice, ExitSwitchEndsTheRunningCopyWhileItsNoticeIsOpen) {
  stowpane_.ShowStartupNotices(true);
  ASSERT_TRUE(stowpane_.Start());
  ASSERT_NE(nullptr, stowpane_.WaitForMainWindow());
  ASSERT_TRUE(WaitUntil([&] { return OpenNotice() != nullptr; }, kWaitMs));
  ChildProcess exit;
  ASSERT_TRUE(exit.Start("\"" + ProgramPath("Stowpane.exe") + "\" /exit"));
  EXPECT_TRUE(exit.WaitForExit(2 * kWaitMs));
  EXPECT_EQ(0u, exit.ExitCode().value_or(99)) << "1: the copy was still running when /exit gave up";
  EXPECT_TRUE(stowpane_.Process().WaitForExit(kWaitMs));
}
