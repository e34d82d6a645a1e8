// The taskbar's death and return with the real Stowpane.exe (the emergency
// window, its commands, the standby switch and its notices), and the Startup
// shortcut that starts the program with the system.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "framework/path/ShellLink.h"
#include "framework/path/SpecialFolder.h"
#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr DWORD kTimerPeriodMs = 300;
const char kEmergencyTitle[] = "Stowpane [応急モード]";
const WindowState kStored{true, false, true, true};

class Emergency : public ::testing::Test {
 protected:
  Emergency() : settings_(kApplicationKey), view_(kViewKey) {}
  void SetUp() override {
    ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", kTimerPeriodMs));
    // Titles keep their full-width katakana.
    ASSERT_TRUE(WriteHkcuDword(kViewKey, "FontStyle", 2));
    ASSERT_TRUE(tray_.Start());
  }
  void StartStowpane() {
    ASSERT_TRUE(stowpane_.Start());
    main_ = stowpane_.WaitForMainWindow();
    ASSERT_NE(nullptr, main_);
    ASSERT_TRUE(tray_.WaitForRecord(TrayCall("ADD", main_, 4000), kWaitMs));
  }
  bool WaitForEmergencyWindow(bool shown) {
    return WaitUntil(
        [&] {
          const bool visible = IsWindowVisible(main_) != FALSE;
          return visible == shown && ReadWindowTitle(main_).value_or("") ==
                                         (shown ? std::string(kEmergencyTitle) : std::string("Stowpane"));
        },
        kWaitMs);
  }
  // A notice of Stowpane's: a visible shape other than the main window.
  HWND WaitForNotice(DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          for (HWND w : FindTopLevelWindows({kMainWindowClass, std::nullopt, stowpane_.Process().Id()})) {
            if (w != main_ && IsWindowVisible(w) && GetDlgItem(w, IDOK) != nullptr) found = w;
          }
          return found != nullptr;
        },
        timeoutMs);
    return found;
  }
  // The notice's text (its read-only edit), and OK, with the don't-show-again box ticked or not.
  static std::string Answer(HWND notice, bool suppress) {
    std::string text;
    for (HWND child = GetWindow(notice, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      if (WindowClassName(child).find("Edit") != std::string::npos) text = ReadWindowTitle(child).value_or("");
      if (suppress && (GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_AUTOCHECKBOX) {
        // Ticked as a click ticks it: the box's state, then its notification.
        SendMessageTimeoutA(child, BM_SETCHECK, BST_CHECKED, 0, SMTO_BLOCK, 1000, nullptr);
        PostMessageA(notice, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(child), BN_CLICKED), reinterpret_cast<LPARAM>(child));
      }
    }
    PostMessageA(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(notice, IDOK)));
    WaitForWindowGone(notice, kWaitMs);
    return text;
  }

  // Kills the taskbar and waits for the emergency window to stand in.
  void StartStowpaneWithoutTaskbar() {
    StartStowpane();
    tray_.Kill();
    ASSERT_TRUE(WaitForEmergencyWindow(true));
  }
  // A message of Stowpane's with this title, waiting for it to open.
  HWND WaitForMessage(const char* title) {
    return WaitForWindow({kMainWindowClass, std::string(title), stowpane_.Process().Id()}, kWaitMs);
  }

  ClearedHkcuKey settings_;
  ClearedHkcuKey view_;
  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
};

// As shown with the fixture's "FontStyle": full-width katakana.
const char kRunFileTitle[] = "ファイル名を指定して実行";
const std::string kRunListKey = std::string(kApplicationKey) + "\\CureExecuteList";
constexpr int kRunFileField = 416;

std::string RunListName(int index) {
  char name[8];
  std::snprintf(name, sizeof name, "%06d", index);
  return name;
}

// The run-file history as stored, from the top.
std::vector<std::string> RunHistory() {
  std::vector<std::string> texts;
  for (int i = 0;; ++i) {
    const auto value = ReadHkcuValue(kRunListKey, RunListName(i));
    if (!value) return texts;
    texts.push_back(value->bytes.substr(0, value->bytes.find('\0')));
  }
}

void Click(HWND shape, int id) {
  PostMessageA(shape, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(shape, id)));
}

void SetEditText(HWND edit, const std::string& text) {
  SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_BLOCK, 1000, nullptr);
}

// Typed one character at a time, as the keyboard would.
void Type(HWND edit, const std::string& text) {
  for (const char c : text) {
    SendMessageTimeoutA(edit, WM_CHAR, static_cast<unsigned char>(c), 1, SMTO_BLOCK, 1000, nullptr);
  }
}

std::string EditText(HWND edit) { return ReadWindowTitle(edit).value_or("(no answer)"); }

// Programs a test started through Stowpane, found by their window and ended with the test.
class StartedPrograms {
 public:
  ~StartedPrograms() {
    for (const DWORD id : processes_) {
      if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id)) {
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
      }
    }
  }
  HWND WaitFor(const std::string& title, DWORD timeoutMs) {
    return WaitFor(WindowFilter{testwindow::kDefaultClass, title, 0}, timeoutMs);
  }
  HWND WaitFor(const WindowFilter& filter, DWORD timeoutMs) {
    HWND window = WaitForWindow(filter, timeoutMs);
    Adopt(window);
    return window;
  }
  void Adopt(HWND window) {
    if (window != nullptr) processes_.push_back(WindowProcessId(window));
  }

 private:
  std::vector<DWORD> processes_;
};

// A copy of testwindow.exe and a settings file in a folder whose name has a
// space, so that their command lines need the quotes; removed with the test.
class SpacedProgram {
 public:
  SpacedProgram() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "run me " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder_.c_str(), nullptr);
    path_ = folder_ + "\\testwindow.exe";
    copied_ = CopyFileA(ProgramPath("testwindow.exe").c_str(), path_.c_str(), FALSE) != FALSE;
    // Wine's shell opens settings files in its notepad.
    document_ = folder_ + "\\notes.ini";
    const HANDLE file = CreateFileA(document_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    copied_ = copied_ && file != INVALID_HANDLE_VALUE;
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  ~SpacedProgram() {
    DeleteFileA(document_.c_str());
    DeleteFileA(path_.c_str());
    RemoveDirectoryA(folder_.c_str());
  }
  bool Copied() const { return copied_; }
  // The quoted program and a window title for it.
  std::string CommandLine(const std::string& title) const { return "\"" + path_ + "\" /text:" + title; }
  std::string QuotedDocument() const { return "\"" + document_ + "\""; }

 private:
  std::string folder_;
  std::string path_;
  std::string document_;
  bool copied_ = false;
};

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Whether `upper` comes before `lower` among the top-level windows.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND w = GetWindow(lower, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == upper) return true;
  }
  return false;
}

// The top-level windows of process `processId` that `owner` owns.
std::vector<HWND> OwnedWindows(HWND owner, DWORD processId) {
  std::vector<HWND> owned;
  for (HWND window : FindTopLevelWindows({"", std::nullopt, processId})) {
    if (GetWindow(window, GW_OWNER) == owner) owned.push_back(window);
  }
  return owned;
}

TestWindowOptions Titled(const std::string& title) {
  TestWindowOptions options;
  options.title = title;
  return options;
}

}  // namespace

TEST_F(Emergency, TheEmergencyWindowStandsInForTheTaskbarUntilTheUserClosesIt) {
  TestWindowProcess stored;
  ASSERT_TRUE(stored.Start(Titled("stored")));
  StartStowpane();
  ShowWindow(stored.Window(), SW_MINIMIZE);
  PostMessageA(main_, WM_COMMAND, 3000, 0);  // no menu was opened: nothing to store
  // Stored through the tray menu: the window is the first item.
  ASSERT_TRUE(RaiseAboveOtherWindows(stored.Window(), kWaitMs));
  PostMessageA(main_, 0x8FA0, 4000, WM_LBUTTONDOWN);
  ASSERT_TRUE(PressKeysInOpenMenu(stowpane_.Process().Id(), {VK_DOWN, VK_RETURN}, kWaitMs));
  ASSERT_TRUE(WaitForWindowState(stored.Window(), kStored, kWaitMs));

  TestWindowProcess other;
  ASSERT_TRUE(other.Start(Titled("other")));
  tray_.Kill();
  ASSERT_TRUE(WaitForEmergencyWindow(true));
  // Always on top though it owns the closed settings dialog, which stays out
  // of the top: another program's window brought to the front stays below it.
  EXPECT_TRUE(IsTopmost(main_));
  SetWindowPos(other.Window(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_TRUE(IsAbove(main_, other.Window()));
  const std::vector<HWND> owned = OwnedWindows(main_, stowpane_.Process().Id());
  EXPECT_FALSE(owned.empty()) << "the settings dialog";
  for (HWND window : owned) {
    if (!IsWindowVisible(window)) {
      EXPECT_FALSE(IsTopmost(window));
    }
  }
  EXPECT_TRUE(IsWindowEnabled(main_));
  EXPECT_NE(nullptr, GetDlgItem(main_, 113));
  RECT window{}, work{};
  GetWindowRect(main_, &window);
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_NEAR((work.left + work.right) / 2, (window.left + window.right) / 2, 2);
  EXPECT_NEAR((work.top + work.bottom) / 2, (window.top + window.bottom) / 2, 2);
  // No close without a taskbar; no second copy either.
  PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
  StowpaneProcess second;
  ASSERT_TRUE(second.Start());
  EXPECT_TRUE(second.Process().WaitForExit(kWaitMs));
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_EQ(kStored, ReadWindowState(stored.Window()));

  // A new taskbar gets the icons back; then the window can be closed.
  FakeTaskbar next;
  FakeTaskbar::Options options;
  options.takeover = false;
  ASSERT_TRUE(next.Start(options));
  EXPECT_TRUE(next.WaitForRecord(TrayCall("ADD", main_, 4000), kWaitMs));
  EXPECT_TRUE(next.WaitForRecord(TrayCall("ADD", main_, 5000), kWaitMs));
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_TRUE(WaitUntil(
      [&] {
        PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
        return !IsWindowVisible(main_);
      },
      kWaitMs, 2 * kTimerPeriodMs));
  EXPECT_TRUE(WaitForEmergencyWindow(false));
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(Emergency, WithStandbyOffNoWindowAppearsAndRestoreAllStillWorks) {
  ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "StandbyCure", 0));
  TestWindowProcess stored;
  ASSERT_TRUE(stored.Start(Titled("stored")));
  StartStowpane();
  ASSERT_TRUE(RaiseAboveOtherWindows(stored.Window(), kWaitMs));
  PostMessageA(main_, 0x8FA0, 4000, WM_LBUTTONDOWN);
  ASSERT_TRUE(PressKeysInOpenMenu(stowpane_.Process().Id(), {VK_DOWN, VK_RETURN}, kWaitMs));
  ASSERT_TRUE(WaitForWindowState(stored.Window(), kStored, kWaitMs));

  tray_.Kill();
  PumpMessagesFor(4 * kTimerPeriodMs);
  EXPECT_FALSE(IsWindowVisible(main_));
  EXPECT_EQ(kStored, ReadWindowState(stored.Window()));
  // Restore all, as the emergency window's menu sends it.
  PostMessageA(main_, WM_COMMAND, 107, 0);
  EXPECT_TRUE(WaitForWindowState(stored.Window(), {true, true, false, true}, kWaitMs));
  ASSERT_TRUE(stowpane_.Exit());
  EXPECT_EQ(0u, ReadHkcuDword(kApplicationKey, "StandbyCure").value_or(99));
}

TEST_F(Emergency, TheStandbySwitchTellsWhatItDidEachNoticeSilencedByItsOwnBox) {
  StartStowpane();
  struct Step {
    const char* reason;
    bool noticeShown;
    const char* textPart;  // of the notice shown
    bool suppress;
  } steps[] = {
      {"off (it starts on)", true, "解除されました", true},
      {"on", true, "行われました", false},
      {"off again: silenced", false, nullptr, false},
      {"on again: still told", true, "行われました", false},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.reason);
    PostMessageA(main_, WM_COMMAND, 109, 0);
    HWND notice = WaitForNotice(step.noticeShown ? kWaitMs : 4 * kTimerPeriodMs);
    ASSERT_EQ(step.noticeShown, notice != nullptr);
    if (notice != nullptr) {
      EXPECT_NE(std::string::npos, Answer(notice, step.suppress).find(step.textPart));
    }
  }
  EXPECT_EQ(1u, ReadHkcuDword(std::string(kStereotypeKey), "OffStandbyCure").value_or(0));
  ASSERT_TRUE(stowpane_.Exit());
  EXPECT_EQ(1u, ReadHkcuDword(kApplicationKey, "StandbyCure").value_or(99));
}

TEST_F(Emergency, TheStartupShortcutFollowsHowTheProgramStartsAndEnds) {
  CoInitialize(nullptr);
  const std::string link = SpecialFolder(CSIDL_STARTUP).Bytes() + "Stowpane(システムトレイに常駐).lnk";
  ASSERT_GT(link.size(), 40u);
  DeleteFileA(link.c_str());
  auto exists = [&] { return GetFileAttributesA(link.c_str()) != INVALID_FILE_ATTRIBUTES; };

  // A start by the user writes it and says so; ticked, the notice stays away from then on.
  stowpane_.ShowStartupNotices(true);
  ASSERT_TRUE(stowpane_.Start());
  main_ = stowpane_.WaitForMainWindow();
  HWND notice = WaitForNotice(kWaitMs);
  ASSERT_NE(nullptr, notice);
  EXPECT_NE(std::string::npos, Answer(notice, true).find("起動する設定を行いました"));
  TString target, arguments;
  ASSERT_TRUE(ReadShortcut(link.c_str(), &target, &arguments));
  EXPECT_EQ("Stowpane.exe", target.Bytes().substr(target.Bytes().size() - 12));
  EXPECT_EQ("/restore", arguments.Bytes());
  // A second copy writes nothing.
  DeleteFileA(link.c_str());
  StowpaneProcess second;
  second.ShowStartupNotices(true);
  ASSERT_TRUE(second.Start());
  EXPECT_TRUE(second.Process().WaitForExit(kWaitMs));
  EXPECT_FALSE(exists());
  // Exit deletes it, after a notice that names the program in quotes.
  ASSERT_TRUE(CreateShortcut(link.c_str(), "C:\\x.exe", "/restore"));
  PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
  notice = WaitForNotice(kWaitMs);
  ASSERT_NE(nullptr, notice);
  EXPECT_NE(std::string::npos, Answer(notice, false).find("Stowpane.exe\" を実行すれば"));
  ASSERT_TRUE(stowpane_.Process().WaitForExit(kWaitMs));
  EXPECT_FALSE(exists());

  // The next start by the user writes it silently; "/restore" and a killed program leave it alone.
  StowpaneProcess silent;
  silent.ShowStartupNotices(true);
  ASSERT_TRUE(silent.Start());
  ASSERT_NE(nullptr, silent.WaitForMainWindow());
  EXPECT_TRUE(WaitUntil(exists, kWaitMs));
  silent.Process().Kill();
  EXPECT_TRUE(exists());
  DeleteFileA(link.c_str());
  StowpaneProcess restored;
  ASSERT_TRUE(restored.Start("/restore"));
  ASSERT_NE(nullptr, restored.WaitForMainWindow());
  PumpMessagesFor(2 * kTimerPeriodMs);
  EXPECT_FALSE(exists());
  ASSERT_TRUE(restored.Exit());
  CoUninitialize();
}

TEST_F(Emergency, RunFileStartsAQuotedProgramAndKeepsWhatStartedNewestFirstOnce) {
  SpacedProgram program;
  ASSERT_TRUE(program.Copied());
  // Twenty earlier texts, the sixth a program that starts.
  std::vector<std::string> earlier;
  for (int i = 0; i < 20; ++i) {
    earlier.push_back(i == 5 ? program.CommandLine("again") : "C:\\old\\program" + std::to_string(i) + ".exe");
    ASSERT_TRUE(WriteHkcuValue(kRunListKey, RunListName(i), REG_SZ, earlier.back() + '\0'));
  }
  StartedPrograms started;
  StartStowpaneWithoutTaskbar();

  // Through the emergency window's menu bar: File > Run.
  PostMessageA(main_, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  HWND menu = WaitForOpenMenu(stowpane_.Process().Id(), kWaitMs);
  ASSERT_NE(nullptr, menu);
  PostMessageA(menu, WM_CHAR, 'r', 1);
  HWND dialog = WaitForMessage(kRunFileTitle);
  ASSERT_NE(nullptr, dialog);
  HWND field = GetDlgItem(dialog, kRunFileField);
  ASSERT_NE(nullptr, field);
  SetEditText(field, program.CommandLine("first"));
  Click(dialog, IDOK);
  ASSERT_TRUE(WaitForWindowGone(dialog, kWaitMs));
  EXPECT_NE(nullptr, started.WaitFor("first", kWaitMs)) << "the quoted program started";
  std::vector<std::string> expected = {program.CommandLine("first")};
  expected.insert(expected.end(), earlier.begin(), earlier.end() - 1);
  EXPECT_EQ(expected, RunHistory()) << "on top; the oldest of twenty is gone";

  // The start of an earlier text completes it; run again, it moves up and is kept once.
  PostMessageA(main_, WM_COMMAND, 112, 0);
  dialog = WaitForMessage(kRunFileTitle);
  ASSERT_NE(nullptr, dialog);
  field = GetDlgItem(dialog, kRunFileField);
  EXPECT_EQ(program.CommandLine("first"), EditText(field)) << "the last text comes back";
  SetEditText(field, "");
  const std::string typed = program.CommandLine("ag");
  Type(field, typed);
  EXPECT_EQ(program.CommandLine("again"), EditText(field));
  Click(dialog, IDOK);
  ASSERT_TRUE(WaitForWindowGone(dialog, kWaitMs));
  EXPECT_NE(nullptr, started.WaitFor("again", kWaitMs));
  expected.erase(expected.begin() + 6);
  expected.insert(expected.begin(), program.CommandLine("again"));
  EXPECT_EQ(expected, RunHistory()) << "nothing else moved or went";

  // A quoted document is no program: the shell opens it, given without the quotes.
  PostMessageA(main_, WM_COMMAND, 112, 0);
  dialog = WaitForMessage(kRunFileTitle);
  ASSERT_NE(nullptr, dialog);
  SetEditText(GetDlgItem(dialog, kRunFileField), program.QuotedDocument());
  Click(dialog, IDOK);
  ASSERT_TRUE(WaitForWindowGone(dialog, kWaitMs));
  EXPECT_NE(nullptr, started.WaitFor(WindowFilter{"Notepad", std::nullopt, 0}, 2 * kWaitMs));
  expected.pop_back();
  expected.insert(expected.begin(), program.QuotedDocument());
  EXPECT_EQ(expected, RunHistory());

  // Cancel runs and keeps nothing.
  PostMessageA(main_, WM_COMMAND, 112, 0);
  dialog = WaitForMessage(kRunFileTitle);
  ASSERT_NE(nullptr, dialog);
  SetEditText(GetDlgItem(dialog, kRunFileField), program.CommandLine("cancelled"));
  Click(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(dialog, kWaitMs));
  EXPECT_EQ(nullptr, started.WaitFor("cancelled", 1500));
  EXPECT_EQ(expected, RunHistory());
  EXPECT_TRUE(IsWindowVisible(main_));
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(Emergency, TheTaskManagerStartsWithoutTaskmanAndEndWindowsCancelledEndsNothing) {
  TestWindowProcess other;
  ASSERT_TRUE(other.Start(Titled("other")));
  StartStowpaneWithoutTaskbar();
  // Wine's Windows folder has no "taskman", as current systems do not: the
  // system's task manager starts instead, and no failure is reported.
  PostMessageA(main_, WM_SYSCOMMAND, SC_KEYMENU, 'f');
  HWND menu = WaitForOpenMenu(stowpane_.Process().Id(), kWaitMs);
  ASSERT_NE(nullptr, menu);
  PostMessageA(menu, WM_CHAR, 't', 1);
  StartedPrograms started;
  HWND taskManager = nullptr;
  EXPECT_TRUE(WaitUntil(
      [&] {
        const auto found = FindTopLevelWindows({"", std::string("タスク マネージャー"), 0});
        for (HWND window : found) {
          if (IsWindowVisible(window)) taskManager = window;
        }
        return taskManager != nullptr;
      },
      2 * kWaitMs));
  started.Adopt(taskManager);
  EXPECT_EQ(nullptr, WaitForNotice(4 * kTimerPeriodMs));

  // The emergency window's own button.
  Click(main_, 113);
  HWND dialog = WaitForMessage("Windows の終了");
  ASSERT_NE(nullptr, dialog);
  Click(dialog, IDCANCEL);
  ASSERT_TRUE(WaitForWindowGone(dialog, kWaitMs));
  EXPECT_TRUE(IsWindowResponsive(main_, kWaitMs));
  EXPECT_TRUE(IsWindowVisible(main_));
  EXPECT_TRUE(IsWindowResponsive(other.Window(), kWaitMs)) << "other programs go on";
  ASSERT_TRUE(stowpane_.Exit());
}
