// Windows stored by their titles with the real Stowpane.exe: the watch after
// a start with the system, the periodic store of minimized windows, the four
// ways of comparing titles, and the settings dialog's OK and Test.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr DWORD kTimerPeriodMs = 300;
const std::string kAutoIconKey = std::string(kApplicationKey) + "\\AutoIcon";
const std::string kTitleListKey = kAutoIconKey + "\\TitleList";

const WindowState kStored{true, false, true, true};
const WindowState kShownNormal{true, true, false, true};

struct TRules {
  std::vector<std::string> titles;
  bool on = true;
  bool letter = false;
  bool charSize = false;
  bool periodic = true;
  DWORD watchSeconds = 10;
};

class AutoIcon : public ::testing::Test {
 protected:
  AutoIcon() : settings_(kApplicationKey) {}
  void SetUp() override {
    ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", kTimerPeriodMs));
    ASSERT_TRUE(tray_.Start());
  }
  static void WriteRules(const TRules& rules) {
    DeleteHkcuKey(kAutoIconKey);
    for (size_t i = 0; i < rules.titles.size(); ++i) {
      char name[16];
      std::snprintf(name, sizeof name, "%06u", static_cast<unsigned>(i));
      WriteHkcuValue(kTitleListKey, name, REG_SZ, rules.titles[i] + std::string(1, '\0'));
    }
    WriteHkcuDword(kAutoIconKey, "OnAutoIcon", rules.on);
    WriteHkcuDword(kAutoIconKey, "OnLetter", rules.letter);
    WriteHkcuDword(kAutoIconKey, "OnCharSize", rules.charSize);
    WriteHkcuDword(kAutoIconKey, "OnPeriodic", rules.periodic);
    WriteHkcuDword(kAutoIconKey, "WatchTime", rules.watchSeconds);
  }
  void StartStowpane(const std::string& arguments = std::string()) {
    ASSERT_TRUE(stowpane_.Start(arguments));
    main_ = stowpane_.WaitForMainWindow();
    ASSERT_NE(nullptr, main_);
  }
  // The settings dialog of the running copy (hidden until command 108).
  HWND Dialog() {
    return WaitForWindow({kMainWindowClass, std::string("自動ｱｲｺﾝ化設定"), stowpane_.Process().Id()}, kWaitMs);
  }
  // Two full periods: whatever a tick does has been done.
  static void PassTicks() { PumpMessagesFor(3 * kTimerPeriodMs); }

  ClearedHkcuKey settings_;
  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
};

TestWindowOptions Titled(const std::string& title, bool minimized = false) {
  TestWindowOptions options;
  options.title = title;
  if (minimized) options.show = TestWindowOptions::kMinimized;
  return options;
}

}  // namespace

TEST_F(AutoIcon, TheWatchAfterAStartWithTheSystemStoresMatchingWindowsUntilItsDeadline) {
  TRules rules;
  rules.titles = {"report"};
  rules.watchSeconds = 4;
  WriteRules(rules);
  TestWindowProcess early, other;
  ASSERT_TRUE(early.Start(Titled("monthly report")));
  ASSERT_TRUE(other.Start(Titled("something else")));
  StartStowpane("/restore");

  // Shown windows that match are stored while the watch runs.
  EXPECT_TRUE(WaitForWindowState(early.Window(), kStored, kWaitMs));
  TestWindowProcess appearing;
  ASSERT_TRUE(appearing.Start(Titled("weekly report")));
  EXPECT_TRUE(WaitForWindowState(appearing.Window(), kStored, kWaitMs));
  EXPECT_EQ(kShownNormal, ReadWindowState(other.Window()));

  // Taken back through its icon, it stays out while shown, but not once minimized again.
  PostMessageA(main_, 0x8000 + 5000, 5000, WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitForWindowState(early.Window(), kShownNormal, kWaitMs));
  PassTicks();
  EXPECT_EQ(kShownNormal, ReadWindowState(early.Window()));
  ShowWindow(early.Window(), SW_MINIMIZE);
  EXPECT_TRUE(WaitForWindowState(early.Window(), kStored, kWaitMs));

  // After the deadline only minimized windows are stored.
  PumpMessagesFor(rules.watchSeconds * 1000);
  TestWindowProcess late, lateMinimized;
  ASSERT_TRUE(late.Start(Titled("late report")));
  ASSERT_TRUE(lateMinimized.Start(Titled("late report 2", true)));
  EXPECT_TRUE(WaitForWindowState(lateMinimized.Window(), kStored, kWaitMs));
  EXPECT_EQ(kShownNormal, ReadWindowState(late.Window()));
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(AutoIcon, StartedByTheUserOnlyMinimizedWindowsAreStoredAndOnlyWithBothSwitches) {
  struct Case {
    const char* reason;
    bool on, periodic;
    bool minimizedStored;
  } cases[] = {
      {"both switches on", true, true, true},
      {"auto-iconize off: nothing, whatever periodic says", false, true, false},
      {"periodic off", true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    TRules rules;
    rules.titles = {"report"};
    rules.on = c.on;
    rules.periodic = c.periodic;
    WriteRules(rules);
    TestWindowProcess shown, minimized;
    ASSERT_TRUE(shown.Start(Titled("report")));
    ASSERT_TRUE(minimized.Start(Titled("report", true)));
    StartStowpane();
    if (c.minimizedStored) {
      EXPECT_TRUE(WaitForWindowState(minimized.Window(), kStored, kWaitMs));
    } else {
      PassTicks();
      EXPECT_TRUE(IsWindowVisible(minimized.Window()));
    }
    EXPECT_EQ(kShownNormal, ReadWindowState(shown.Window()));
    ASSERT_TRUE(stowpane_.Exit());
  }
}

TEST_F(AutoIcon, TheFourWaysOfComparingTitles) {
  const std::string titles[] = {"DAILY NOTES", "ＤＡＩＬＹ　ＮＯＴＥＳ", "ダウンロード中", "ﾀﾞｳﾝﾛｰﾄﾞ中"};
  struct Case {
    bool letter, charSize;
    std::vector<bool> stored;  // per title above
  } cases[] = {
      {false, false, {true, true, true, true}},
      {true, false, {false, false, true, true}},
      {false, true, {true, false, false, true}},
      {true, true, {false, false, false, true}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.letter) + std::to_string(c.charSize));
    TRules rules;
    rules.titles = {"daily notes", "ﾀﾞｳﾝﾛｰﾄﾞ"};
    rules.letter = c.letter;
    rules.charSize = c.charSize;
    WriteRules(rules);
    std::vector<std::unique_ptr<TestWindowProcess>> windows;
    for (const std::string& title : titles) {
      windows.push_back(std::make_unique<TestWindowProcess>());
      ASSERT_TRUE(windows.back()->Start(Titled(title, true)));
    }
    StartStowpane();
    const size_t expected = static_cast<size_t>(std::count(c.stored.begin(), c.stored.end(), true));
    EXPECT_TRUE(WaitUntil([&] { return HkcuValueNames(kTrayIconKey).size() == expected; }, kWaitMs));
    PassTicks();
    for (size_t i = 0; i < windows.size(); ++i) {
      EXPECT_EQ(c.stored[i], !IsWindowVisible(windows[i]->Window())) << titles[i];
    }
    ASSERT_TRUE(stowpane_.Exit());
  }
}

TEST_F(AutoIcon, OkLoadsNewRulesIntoTheRunningProgramAndTestStoresAtOnce) {
  TRules rules;
  rules.titles = {"test button target"};
  rules.periodic = false;
  WriteRules(rules);
  TestWindowProcess minimized, shown;
  ASSERT_TRUE(minimized.Start(Titled("new rule target", true)));
  ASSERT_TRUE(shown.Start(Titled("test button target")));
  StartStowpane();
  HWND dialog = Dialog();
  ASSERT_NE(nullptr, dialog);
  PassTicks();
  ASSERT_EQ(kShownNormal, ReadWindowState(shown.Window()));

  // Test stores what matches now, shown or not, without the switches that gate the ticks.
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(401, BN_CLICKED), 0);
  EXPECT_TRUE(WaitForWindowState(shown.Window(), kStored, kWaitMs));
  EXPECT_TRUE(IsWindowVisible(minimized.Window()));

  // Other rules reach the dialog's controls through Cancel (which reloads the
  // settings), and the running program through OK.
  rules.titles = {"new rule"};
  rules.periodic = true;
  WriteRules(rules);
  PostMessageA(main_, WM_COMMAND, 108, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, kWaitMs));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) == FALSE; }, kWaitMs));
  PassTicks();
  EXPECT_TRUE(IsWindowVisible(minimized.Window()));
  PostMessageA(main_, WM_COMMAND, 108, 0);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(dialog) != FALSE; }, kWaitMs));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  EXPECT_TRUE(WaitForWindowState(minimized.Window(), kStored, kWaitMs));
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(AutoIcon, AHungMatchingWindowIsAskedAboutOnceAtATime) {
  TRules rules;
  rules.titles = {"不明"};  // the title of a window that does not answer
  WriteRules(rules);
  TestWindowProcess hung;
  ASSERT_TRUE(hung.Start(Titled("hung")));
  ASSERT_TRUE(hung.Hang(9000));
  StartStowpane("/restore");

  // While the question is open, ticks pass without a second scan or question.
  auto questions = [&] {
    size_t open = 0;
    for (HWND w : FindTopLevelWindows({kMainWindowClass, std::nullopt, stowpane_.Process().Id()})) {
      if (w != main_ && IsWindowVisible(w) && GetDlgItem(w, IDCANCEL) != nullptr && GetDlgItem(w, IDRETRY)) ++open;
    }
    return open;
  };
  ASSERT_TRUE(WaitUntil([&] { return questions() == 1; }, 8000));
  PassTicks();
  EXPECT_EQ(1u, questions());
  // Exit once the question is answered; a scan may ask once more before that.
  PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
  size_t mostOpen = 0;
  EXPECT_TRUE(WaitUntil(
      [&] {
        mostOpen = std::max(mostOpen, questions());
        for (HWND w : FindTopLevelWindows({kMainWindowClass, std::nullopt, stowpane_.Process().Id()})) {
          if (w != main_ && IsWindowVisible(w) && GetDlgItem(w, IDCANCEL) != nullptr) {
            PostMessageA(w, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(w, IDCANCEL)));
          }
        }
        return !stowpane_.Process().IsRunning();
      },
      15000, 100));
  EXPECT_EQ(1u, mostOpen);
  ASSERT_TRUE(hung.WaitForEvent("AWAKE", 10000));
  EXPECT_EQ(kShownNormal, ReadWindowState(hung.Window()));
}
