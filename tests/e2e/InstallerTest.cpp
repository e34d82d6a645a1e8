// The release's installer and uninstaller, run silently as an administrator's
// script would, over a running copy that holds a stored window.
#include <windows.h>

#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/StoringFixture.h"
#include "tests/support/ShellTestFolder.h"

using namespace storing;

namespace {

constexpr const char* kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Stowpane";
constexpr const char* kStartupShortcut = "Stowpane(システムトレイに常駐).lnk";
constexpr DWORD kInstallerMs = 60000;

std::string Folder(int csidl) {
  char path[MAX_PATH] = "";
  SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
  return path;
}

std::string InstallFolder() { return Folder(CSIDL_LOCAL_APPDATA) + "\\Programs\\Stowpane"; }
std::string StartMenuEntry() { return Folder(CSIDL_PROGRAMS) + "\\Stowpane.lnk"; }
std::string StartupShortcut() { return Folder(CSIDL_STARTUP) + "\\" + kStartupShortcut; }

bool IsFile(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string FileBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// "3.0.0" from the built program's version record, which the release follows.
std::string ProgramVersion() {
  const std::string program = ProgramPath("Stowpane.exe");
  DWORD ignored = 0;
  std::vector<char> record(GetFileVersionInfoSizeA(program.c_str(), &ignored));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (record.empty() || !GetFileVersionInfoA(program.c_str(), 0, static_cast<DWORD>(record.size()), record.data()) ||
      !VerQueryValueA(record.data(), "\\", reinterpret_cast<void**>(&fixed), &length)) {
    return std::string();
  }
  return std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." + std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
         std::to_string(HIWORD(fixed->dwFileVersionLS));
}

std::string ReleaseFile(const std::string& suffix) {
  return ProgramPath("dist\\Stowpane-" + ProgramVersion() + suffix);
}

std::string StringValue(const std::string& name) {
  const auto value = ReadHkcuValue(kUninstallKey, name);
  if (!value || value->type != REG_SZ) return "<missing>";
  return std::string(value->bytes.c_str());
}

// Nothing of an earlier installation: the prefix is as fresh as a new user's.
void ForgetInstallation() {
  TShellTestFolder::RemoveTree(InstallFolder());
  DeleteFileA(StartMenuEntry().c_str());
  DeleteFileA(StartupShortcut().c_str());
  DeleteHkcuKey(kUninstallKey);
}

class Installer : public Storing {
 protected:
  void SetUp() override {
    Storing::SetUp();
    ASSERT_FALSE(ProgramVersion().empty());
    ASSERT_TRUE(IsFile(ReleaseFile("-setup.exe"))) << ReleaseFile("-setup.exe");
    ForgetInstallation();
  }
  void TearDown() override { ForgetInstallation(); }

  static DWORD RunSilently(const std::string& program) {
    const ProgramRun run = RunProgram(QuoteArgument(program) + " /S", kInstallerMs);
    EXPECT_TRUE(run.finished) << program;
    return run.exitCode;
  }
  static std::string Installed(const std::string& name) { return InstallFolder() + "\\" + name; }

  // The installed program started by the user, holding a window of another process.
  void StartInstalledWithAStoredWindow(TestWindowProcess& window) {
    ASSERT_TRUE(window.Start(Titled("kept by the installed copy")));
    StartStowpane(std::string(), Installed("Stowpane.exe"));
    StoreEach({window.Window()});
  }
  // The copy ended by the program itself, not killed: its window is back and its icon went.
  void ExpectEndedGivingBack(TestWindowProcess& window) {
    EXPECT_TRUE(stowpane_.Process().WaitForExit(kInstallerMs));
    EXPECT_EQ(0u, stowpane_.Process().ExitCode().value_or(99));
    EXPECT_TRUE(WaitForWindowState(window.Window(), kShown, kWaitMs));
    EXPECT_TRUE(WaitUntil([&] { return tray_.Icons().empty(); }, kWaitMs));
    EXPECT_TRUE(TrayValues().empty());
    EXPECT_EQ(0u, CountMainWindows());
  }
};

}  // namespace

TEST_F(Installer, SilentInstallPutsItInPlaceAndASecondEndsTheRunningCopyWithItsWindowBack) {
  ASSERT_EQ(0u, RunSilently(ReleaseFile("-setup.exe")));

  const std::string staged = ReleaseFile("");
  for (const char* name : {"Stowpane.exe", "readme.txt", "LICENSE.txt", "manual\\manual.html"}) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(IsFile(Installed(name)));
    EXPECT_EQ(FileBytes(staged + "\\" + name), FileBytes(Installed(name)));
  }
  EXPECT_TRUE(IsFile(Installed("uninstall.exe")));
  EXPECT_TRUE(IsFile(StartMenuEntry()));
  EXPECT_EQ("Stowpane", StringValue("DisplayName"));
  EXPECT_EQ(ProgramVersion(), StringValue("DisplayVersion"));
  EXPECT_EQ("Quillon", StringValue("Publisher"));
  EXPECT_EQ(Installed("Stowpane.exe") + ",0", StringValue("DisplayIcon"));
  EXPECT_EQ("\"" + Installed("uninstall.exe") + "\"", StringValue("UninstallString"));
  EXPECT_GT(ReadHkcuDword(kUninstallKey, "EstimatedSize").value_or(0), 100u);

  TestWindowProcess window;
  StartInstalledWithAStoredWindow(window);
  // A file of the first installation that the second must replace.
  { std::ofstream(Installed("readme.txt"), std::ios::trunc) << "stale"; }

  ASSERT_EQ(0u, RunSilently(ReleaseFile("-setup.exe")));
  ExpectEndedGivingBack(window);
  EXPECT_EQ(FileBytes(staged + "\\readme.txt"), FileBytes(Installed("readme.txt")));
  EXPECT_EQ(FileBytes(staged + "\\Stowpane.exe"), FileBytes(Installed("Stowpane.exe")));
}

TEST_F(Installer, SilentUninstallEndsTheRunningCopyRemovesWhatItPutAndKeepsTheSettings) {
  ASSERT_EQ(0u, RunSilently(ReleaseFile("-setup.exe")));
  TestWindowProcess window;
  StartInstalledWithAStoredWindow(window);
  // Written by the program's start by the user: the uninstaller takes it away.
  ASSERT_TRUE(IsFile(StartupShortcut()));

  // The uninstaller hands over to a copy of itself in the temporary folder and
  // returns at once; the work is watched where it shows.
  ASSERT_EQ(0u, RunSilently(Installed("uninstall.exe")));
  ExpectEndedGivingBack(window);
  EXPECT_TRUE(WaitUntil([] { return !Exists(InstallFolder()); }, kInstallerMs));
  EXPECT_TRUE(WaitUntil([] { return !HkcuKeyExists(kUninstallKey); }, kWaitMs));
  EXPECT_FALSE(Exists(StartMenuEntry()));
  EXPECT_FALSE(Exists(StartupShortcut()));
  EXPECT_EQ(kTimerPeriodMs, ReadHkcuDword(kApplicationKey, "PeriodicTimer").value_or(0));
}
