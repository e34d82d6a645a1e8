// The taskbar's death and return with the real Stowpane.exe (the emergency
// window, the standby switch and its notices), and the Startup shortcut that
// starts the program with the system.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

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

  ClearedHkcuKey settings_;
  ClearedHkcuKey view_;
  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
};

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

  tray_.Kill();
  ASSERT_TRUE(WaitForEmergencyWindow(true));
  // Always on top is not checked here: with Wine's desktop process ended (as
  // this suite does to own the taskbar), Wine makes no window topmost.
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
    if (notice != nullptr) EXPECT_NE(std::string::npos, Answer(notice, step.suppress).find(step.textPart));
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
