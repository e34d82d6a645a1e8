// Stowpane.exe from start to exit: the hidden main window, the single copy,
// the timer period setting, "/restore", the help switches and bad command lines.
#include <windows.h>

#include <psapi.h>

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <string>
#include <vector>

#include "framework/window/core/TWindow.h"
#include "tests/support/E2eHarness.h"
#include "tests/support/HtmlHandler.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr DWORD kExitedWithMinusOne = 0xFFFFFFFF;
constexpr WPARAM kHelpCommand = 901;
constexpr WPARAM kSettingsCommand = 108;

// Every test starts without settings of a previous run.
class StartupTest : public ::testing::Test {
 protected:
  StartupTest() : settings_(kApplicationKey), view_(kViewKey) {}
  ClearedHkcuKey settings_;
  ClearedHkcuKey view_;
};

std::set<DWORD> ProcessesWithWindows() {
  std::set<DWORD> processes;
  for (HWND window : FindTopLevelWindows(WindowFilter())) processes.insert(WindowProcessId(window));
  return processes;
}

// The processes that gained a window since `before` (a help viewer the program opened).
std::set<DWORD> NewProcessesWithWindows(const std::set<DWORD>& before) {
  std::set<DWORD> fresh;
  for (DWORD id : ProcessesWithWindows()) {
    if (before.count(id) == 0 && id != GetCurrentProcessId()) fresh.insert(id);
  }
  return fresh;
}

// Ends them, so nothing outlives the test: a viewer left behind would show
// its complaint about the empty help file in a later test's desktop.
void EndNewProcesses(const std::set<DWORD>& before) {
  for (DWORD id : NewProcessesWithWindows(before)) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id);
    if (process == nullptr) continue;
    TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }
}

// Whether the process has `library` loaded (base names compared without case).
bool HasLoaded(DWORD processId, const char* library) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (process == nullptr) return false;
  HMODULE modules[512];
  DWORD bytes = 0;
  bool found = false;
  if (EnumProcessModules(process, modules, sizeof modules, &bytes)) {
    for (DWORD i = 0; i < bytes / sizeof(HMODULE) && i < 512; ++i) {
      char name[MAX_PATH] = "";
      GetModuleBaseNameA(process, modules[i], name, sizeof name);
      found = found || lstrcmpiA(name, library) == 0;
    }
  }
  CloseHandle(process);
  return found;
}

}  // namespace

TEST_F(StartupTest, AtRestItHoldsNoLibraryThatOnlyCommandsNeed) {
  StowpaneProcess stowpane;
  ASSERT_TRUE(stowpane.Start("/restore"));
  HWND main = stowpane.WaitForMainWindow();
  ASSERT_NE(nullptr, main);
  const DWORD id = stowpane.Process().Id();
  // Settled: the start has added its icon and run a tick.
  ASSERT_TRUE(WaitUntil([&] { return HasLoaded(id, "shell32.dll"); }, 5000));
  for (const char* library : {"comctl32.dll", "comdlg32.dll", "winmm.dll"}) {
    EXPECT_FALSE(HasLoaded(id, library)) << library;
  }
  // The settings dialog needs the common controls: they come when it opens.
  PostMessageA(main, WM_COMMAND, kSettingsCommand, 0);
  EXPECT_TRUE(WaitUntil([&] { return HasLoaded(id, "comctl32.dll"); }, 5000));
  EXPECT_TRUE(stowpane.Exit());
}

TEST_F(StartupTest, MainWindowIsHiddenAndDisabledAndExitLeavesNothing) {
  StowpaneProcess stowpane;
  ASSERT_TRUE(stowpane.Start());
  HWND main = stowpane.WaitForMainWindow();
  ASSERT_NE(nullptr, main);
  EXPECT_EQ(kMainWindowClass, WindowClassName(main));
  EXPECT_EQ(std::string(kMainWindowTitle), ReadWindowTitle(main).value_or("<no answer>"));
  WindowState state;
  state.exists = true;
  EXPECT_TRUE(WaitForWindowState(main, state, 3000, &state)) << state;

  ASSERT_TRUE(stowpane.Exit());
  EXPECT_EQ(0u, stowpane.Process().ExitCode().value_or(99));
  EXPECT_FALSE(IsWindow(main));
  EXPECT_EQ(0u, CountMainWindows());
}

TEST_F(StartupTest, SecondCopyEndsAtOnceWhateverTheFirstIsTitled) {
  struct Case {
    DWORD fontStyle;          // how the first copy shows its titles
    const char* firstTitle;   // the title the first copy's window carries
  } cases[] = {
      {0, "Stowpane"},
      {0, "Stowpane [応急ﾓｰﾄﾞ]"},
      {1, "Stowpane [応急ﾓｰﾄﾞ]"},
      {2, "Stowpane [応急モード]"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.firstTitle);
    ASSERT_TRUE(WriteHkcuDword(kViewKey, "FontStyle", c.fontStyle));
    StowpaneProcess first;
    ASSERT_TRUE(first.Start());
    HWND main = first.WaitForMainWindow();
    ASSERT_NE(nullptr, main);
    // The emergency title, as the first copy would set it.
    SetWindowTextA(main, c.firstTitle);

    StowpaneProcess second;
    ASSERT_TRUE(second.Start());
    ASSERT_TRUE(second.Process().WaitForExit(10000));
    EXPECT_EQ(0u, second.Process().ExitCode().value_or(99));
    EXPECT_EQ(1u, CountMainWindows());

    SetWindowTextA(main, kMainWindowTitle);
    ASSERT_TRUE(first.Exit());
  }
}

TEST_F(StartupTest, TimerPeriodIsStoredWithinItsRange) {
  struct Case {
    bool present;
    DWORD stored;
    DWORD expected;
  } cases[] = {
      {false, 0, 1300}, {true, 100, 300}, {true, 299, 300}, {true, 300, 300},
      {true, 2000, 2000}, {true, 5000, 5000}, {true, 9000, 5000}, {true, 0xFFFFFFFF, 5000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    DeleteHkcuValue(kApplicationKey, "PeriodicTimer");
    if (c.present) {
      ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", c.stored));
    }
    StowpaneProcess stowpane;
    ASSERT_TRUE(stowpane.Start());
    // The exit command is handled after the start-up work: what it wrote is there.
    ASSERT_TRUE(stowpane.Exit());
    EXPECT_EQ(c.expected, ReadHkcuDword(kApplicationKey, "PeriodicTimer").value_or(0));
  }
}

TEST_F(StartupTest, RestoreSwitchForgetsStoredWindowsOfTheLastRun) {
  struct Case {
    const char* arguments;
    bool forgotten;
  } cases[] = {
      {"/restore", true},
      {"/RESTORE:5", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    ASSERT_TRUE(WriteHkcuValue(kTrayIconKey, "00001234", REG_BINARY, std::string("\x01\x02\x03\x04", 4)));
    ASSERT_TRUE(WriteHkcuDword(kTrayIconKey, "second", 7));
    StowpaneProcess stowpane;
    ASSERT_TRUE(stowpane.Start(c.arguments));
    // The exit command is handled after the start-up work.
    ASSERT_TRUE(stowpane.Exit());
    EXPECT_EQ(c.forgotten, !ReadHkcuValue(kTrayIconKey, "00001234").has_value());
    EXPECT_EQ(c.forgotten, !ReadHkcuValue(kTrayIconKey, "second").has_value());
    EXPECT_TRUE(HkcuKeyExists(kTrayIconKey));
  }
}

TEST_F(StartupTest, HelpSwitchesOpenTheHelpFileElseTheManualAndEnd) {
  // A copy of the program of its own, so that its help file and manual are the test's.
  char temp[MAX_PATH];
  ASSERT_NE(0u, GetTempPathA(sizeof temp, temp));
  const std::string folder = std::string(temp) + "stowpane-help-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  CreateDirectoryA((folder + "\\manual").c_str(), nullptr);
  const std::string program = folder + "\\Stowpane.exe";
  const std::string help = folder + "\\Stowpane.HLP";
  const std::string manual = folder + "\\manual\\manual.html";
  ASSERT_TRUE(CopyFileA(ProgramPath("Stowpane.exe").c_str(), program.c_str(), FALSE));
  THtmlHandler browser;
  ASSERT_TRUE(browser.Ok());

  // Wine has a WinHelp viewer, so a help file wins there; without one the
  // manual opens in the browser, from its start.
  struct Case {
    const char* arguments;
    bool helpFile;
    bool manualFile;
    bool ends;
    bool browsed;
  } cases[] = {
      {"/HELP", true, false, true, false},  {"/?", true, true, true, false},
      {"/help:topic", true, false, true, false}, {"/help", false, true, true, true},
      {"/?", false, true, true, true},      {"/help", false, false, false, false},
      {"/?", false, false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.arguments) + (c.helpFile ? " with" : " without") + " a help file" +
                 (c.manualFile ? ", with" : ", without") + " a manual");
    for (const auto& [path, wanted] : {std::pair{help, c.helpFile}, std::pair{manual, c.manualFile}}) {
      if (wanted) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(INVALID_HANDLE_VALUE, file);
        CloseHandle(file);
      } else {
        DeleteFileA(path.c_str());
      }
    }
    const size_t browsedBefore = browser.Lines().size();
    const std::set<DWORD> before = ProcessesWithWindows();
    StowpaneProcess stowpane;
    ASSERT_TRUE(stowpane.Start(c.arguments, program));
    if (c.ends) {
      ASSERT_TRUE(stowpane.Process().WaitForExit(10000));
      EXPECT_EQ(kExitedWithMinusOne, stowpane.Process().ExitCode().value_or(0));
      EXPECT_EQ(0u, CountMainWindows());
    } else {
      EXPECT_NE(nullptr, stowpane.WaitForMainWindow());
      EXPECT_TRUE(stowpane.Exit());
    }
    if (c.helpFile) {
      // The viewer is started, not waited for: its window comes when it comes.
      EXPECT_TRUE(WaitUntil([&] { return !NewProcessesWithWindows(before).empty(); }, 10000))
          << "no help viewer appeared";
    }
    if (c.browsed) {
      ASSERT_TRUE(WaitUntil([&] { return browser.Lines().size() > browsedBefore; }, 10000));
      const std::string line = browser.Lines().back();
      EXPECT_NE(std::string::npos, line.find("/manual/manual.html")) << line;
      EXPECT_EQ(std::string::npos, line.find('#')) << line;
    } else {
      EXPECT_EQ(browsedBefore, browser.Lines().size());
    }
    EndNewProcesses(before);
  }
  DeleteFileA(help.c_str());
  DeleteFileA(manual.c_str());
  RemoveDirectoryA((folder + "\\manual").c_str());
  DeleteFileA(program.c_str());
  RemoveDirectoryA(folder.c_str());
}

TEST_F(StartupTest, HelpCommandOpensTheManualBesideTheProgramFromItsStart) {
  // The build puts the manual beside Stowpane.exe, as the release does.
  ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(ProgramPath("manual\\manual.html").c_str()));
  THtmlHandler browser;
  ASSERT_TRUE(browser.Ok());
  StowpaneProcess stowpane;
  ASSERT_TRUE(stowpane.Start());
  HWND main = stowpane.WaitForMainWindow();
  ASSERT_NE(nullptr, main);
  PostMessageA(main, WM_COMMAND, kHelpCommand, 0);
  ASSERT_TRUE(WaitUntil([&] { return !browser.Lines().empty(); }, 10000));
  const std::string line = browser.Lines().front();
  EXPECT_NE(std::string::npos, line.find("/manual/manual.html")) << line;
  EXPECT_EQ(std::string::npos, line.find('#')) << line;
  EXPECT_TRUE(stowpane.Exit());
}

TEST_F(StartupTest, GarbageCommandLinesDoNotCrashIt) {
  std::string noise;
  for (int i = 0; i < 10000; ++i) noise += static_cast<char>(0x21 + (i * 37) % 0x5E);
  const std::vector<std::string> lines = {
      "\"unbalanced quote /restore",
      "/ // /: /:: \"\" \"",
      "\x81 \x9F\x40 \xFC",           // lone lead bytes and a pair
      "ﾌｧｲﾙ名 \"C:\\ソフト\\表.txt\" /x:",
      noise,
  };
  for (const std::string& line : lines) {
    SCOPED_TRACE(line.substr(0, 40));
    StowpaneProcess stowpane;
    ASSERT_TRUE(stowpane.Start(line));
    ASSERT_NE(nullptr, stowpane.WaitForMainWindow());
    ASSERT_TRUE(stowpane.Exit());
    EXPECT_EQ(0u, stowpane.Process().ExitCode().value_or(99));
  }
}

// A program whose window class the system refuses has nothing to show: it must
// end, and say by its status that it failed.
TEST(WindowClassFailure, EndsTheProcessWithAFailureStatus) {
  ChildProcess program;
  ASSERT_TRUE(program.Start(QuoteArgument(ProgramPath("noclass.exe"))));
  ASSERT_TRUE(program.WaitForExit(10000));
  EXPECT_EQ(static_cast<DWORD>(kExitNoWindowClass), program.ExitCode().value_or(0));
}
