// Storing windows of other programs with the real Stowpane.exe and giving
// them back: through the tray menu and the icons' callbacks, watched through
// the windows' states, the "TrayIcon" values and the stand-in taskbar's log.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/e2e/StoringFixture.h"

using namespace storing;

TEST_F(Storing, TheTrayMenuStoresRealProgramsWithTheirIconsAndValues) {
  ChildProcess notepad, winemine;
  ASSERT_TRUE(notepad.Start("notepad.exe"));
  ASSERT_TRUE(winemine.Start("winemine.exe"));
  TestWindowProcess ours, scripts;
  ASSERT_TRUE(ours.Start(Titled("Save & Exit\tnow")));
  // A title in scripts Shift-JIS lacks, emoji included: its tip shows it as it is.
  TestWindowOptions unicode = Titled("");
  unicode.utf8Title = u8"Ελληνικά 中文 한국어 Café 😀";
  ASSERT_TRUE(scripts.Start(unicode));
  HWND notepadWindow = WaitForWindow({"Notepad", std::nullopt, notepad.Id()}, kWaitMs);
  HWND mineWindow = WaitForWindow({"WineMine", std::nullopt, winemine.Id()}, kWaitMs);
  ASSERT_NE(nullptr, notepadWindow);
  ASSERT_NE(nullptr, mineWindow);
  StartStowpane();

  const HWND windows[] = {notepadWindow, mineWindow, ours.Window(), scripts.Window()};
  int id = 5000;
  for (HWND window : windows) {
    SCOPED_TRACE(WindowClassName(window));
    std::u16string title;
    const int length = GetWindowTextLengthW(window);
    title.resize(static_cast<size_t>(std::max(length, 0)) + 1);
    title.resize(static_cast<size_t>(GetWindowTextW(window, reinterpret_cast<wchar_t*>(&title[0]), length + 1)));
    for (char16_t& c : title) c = c == u'\t' ? u'\uFF65' : c;
    ASSERT_TRUE(StoreThroughTrayMenu(window));
    WindowState state;
    EXPECT_TRUE(WaitForWindowState(window, kStored, kWaitMs, &state)) << state;
    ASSERT_TRUE(WaitForIcon(id, true));
    EXPECT_TRUE(title == IconOf(id)->wideTip) << IconOf(id)->wideTip.size() << " units";
    EXPECT_EQ(IconMessage(id), IconOf(id)->callbackMessage);
    EXPECT_EQ(window, TrayValues()[ValueName(id)]);
    ++id;
  }
  EXPECT_EQ(4u, TrayValues().size());

  // Exit gives every window back and leaves nothing behind.
  ASSERT_TRUE(stowpane_.Exit());
  for (HWND window : windows) {
    WindowState state;
    EXPECT_TRUE(WaitForWindowState(window, kShown, kWaitMs, &state)) << state;
  }
  EXPECT_TRUE(TrayValues().empty());
  EXPECT_TRUE(tray_.Icons().empty());
}

TEST_F(Storing, StoreAllRestoreAllAndADoubleClickThatBringsAWindowBackInFront) {
  TestWindowProcess first, second, maximized, desktop;
  ASSERT_TRUE(first.Start(Titled("first")));
  ASSERT_TRUE(second.Start(Titled("second")));
  ASSERT_TRUE(maximized.Start(Titled("maximized")));
  // The desktop's own window, as Windows has it: stored, it would take the
  // desktop's icons away.
  TestWindowOptions desktopOptions = Titled("Program Manager");
  desktopOptions.className = "Progman";
  ASSERT_TRUE(desktop.Start(desktopOptions));
  ShowWindow(maximized.Window(), SW_MAXIMIZE);
  ASSERT_TRUE(WaitUntil([&] { return IsZoomed(maximized.Window()) != FALSE; }, kWaitMs));
  StartStowpane();
  std::vector<HWND> windows;
  for (auto* program : {&first, &second, &maximized}) windows.push_back(program->Window());

  // Store all (K) takes every window the menu listed: ours among them, hidden and each with its value;
  // the desktop's is not listed.
  ASSERT_TRUE(UseTrayMenu({'K'}));
  for (HWND window : windows) EXPECT_TRUE(WaitForWindowState(window, kStored, kWaitMs));
  std::map<std::string, HWND> values;
  ASSERT_TRUE(WaitUntil([&] { return (values = TrayValues()).size() >= windows.size(); }, kWaitMs));
  std::map<HWND, int> idOf;
  for (const auto& [name, window] : values) idOf[window] = std::stoi(name);
  for (HWND window : windows) ASSERT_EQ(1u, idOf.count(window));
  EXPECT_EQ(0u, idOf.count(desktop.Window()));
  EXPECT_EQ(kShown, ReadWindowState(desktop.Window()));

  // A double click gives one back, maximized as it was, in front; its icon and value go.
  const int id = idOf[maximized.Window()];
  PostMessageA(main_, IconMessage(id), id, WM_LBUTTONDBLCLK);
  EXPECT_TRUE(WaitForWindowState(maximized.Window(), kShown, kWaitMs));
  EXPECT_TRUE(IsZoomed(maximized.Window()));
  EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == maximized.Window(); }, kWaitMs));
  EXPECT_TRUE(WaitForIcon(id, false));
  EXPECT_TRUE(WaitUntil([&] { return TrayValues().count(ValueName(id)) == 0; }, kWaitMs));

  // Restore all (R) gives back the rest and empties the key.
  ASSERT_TRUE(UseTrayMenu({'R'}));
  for (HWND window : {first.Window(), second.Window()}) EXPECT_TRUE(WaitForWindowState(window, kShown, kWaitMs));
  EXPECT_TRUE(WaitUntil([&] { return TrayValues().empty(); }, kWaitMs));
  EXPECT_TRUE(WaitUntil([&] { return tray_.Icons().size() == 1; }, kWaitMs));
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(Storing, AWindowClosedOrShownByItsOwnProgramLosesItsIconAtTheNextTick) {
  TestWindowProcess closing, showing, staying;
  ASSERT_TRUE(closing.Start(Titled("closing")));
  ASSERT_TRUE(showing.Start(Titled("showing")));
  ASSERT_TRUE(staying.Start(Titled("staying")));
  StartStowpane();
  StoreEach({closing.Window(), showing.Window(), staying.Window()});

  PostMessageA(closing.Window(), WM_COMMAND, testwindow::kCommandExit, 0);
  ShowWindow(showing.Window(), SW_SHOWMINNOACTIVE);
  ASSERT_TRUE(WaitForWindowGone(closing.Window(), kWaitMs));
  // At the next tick: one period, and some slack for a loaded machine.
  const DWORD nextTick = 2 * kTimerPeriodMs + 500;
  EXPECT_TRUE(WaitUntil([&] { return !IconOf(5000) && !IconOf(5001); }, nextTick));
  EXPECT_TRUE(IconOf(5002).has_value());
  // The values go after the icons (the icons left are sent again in between).
  const std::map<std::string, HWND> left{{"005002", staying.Window()}};
  EXPECT_TRUE(WaitUntil([&] { return TrayValues() == left; }, kWaitMs)) << "the values of the windows let go stayed";
  // Let go without being touched: it stays as its program showed it.
  EXPECT_TRUE(IsWindowVisible(showing.Window()));
  EXPECT_TRUE(IsIconic(showing.Window()));

  // A title change reaches the tip at a tick.
  SetWindowTextA(staying.Window(), "renamed");
  EXPECT_TRUE(WaitUntil([&] { return IconOf(5002) && IconOf(5002)->tip == "renamed"; }, kWaitMs));
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(Storing, AKilledCopysWindowsAreTakenOverByTheNextStartByTheUser) {
  std::vector<std::unique_ptr<TestWindowProcess>> programs;
  std::vector<HWND> windows;
  for (int i = 0; i < 6; ++i) {
    programs.push_back(std::make_unique<TestWindowProcess>());
    ASSERT_TRUE(programs.back()->Start(Titled("window " + std::to_string(i))));
    windows.push_back(programs.back()->Window());
  }
  StartStowpane();
  StoreEach(windows);
  // Three given back leave 5000, 5002 and 5005 stored.
  for (int id : {5001, 5003, 5004}) {
    PostMessageA(main_, IconMessage(id), id, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(WaitForWindowState(windows[static_cast<size_t>(id - 5000)], kShown, kWaitMs));
  }
  ASSERT_TRUE(WaitUntil([&] { return TrayValues().size() == 3; }, kWaitMs));
  stowpane_.Process().Kill();
  for (HWND window : {windows[0], windows[2], windows[5]}) EXPECT_EQ(kStored, ReadWindowState(window));

  StowpaneProcess next;
  ASSERT_TRUE(next.Start());
  main_ = next.WaitForMainWindow();
  ASSERT_NE(nullptr, main_);
  const std::map<std::string, HWND> expected{{"005000", windows[0]}, {"005001", windows[2]}, {"005002", windows[5]}};
  EXPECT_TRUE(WaitUntil([&] { return TrayValues() == expected; }, kWaitMs));
  for (int id : {5000, 5001, 5002}) EXPECT_TRUE(WaitForIcon(id, true)) << id;
  for (HWND window : {windows[0], windows[2], windows[5]}) EXPECT_EQ(kStored, ReadWindowState(window));
  ASSERT_TRUE(next.Exit());
  for (HWND window : windows) EXPECT_TRUE(WaitForWindowState(window, kShown, kWaitMs));
  EXPECT_TRUE(TrayValues().empty());
}

TEST_F(Storing, TakingOverDropsWhatIsNoLongerAHiddenWindowAndRestoreForgetsAll) {
  TestWindowProcess hidden, visible, disabled;
  TestWindowOptions options = Titled("hidden");
  options.show = TestWindowOptions::kHidden;
  ASSERT_TRUE(hidden.Start(options));
  ASSERT_TRUE(visible.Start(Titled("visible")));
  options.title = "disabled";
  options.disabled = true;
  ASSERT_TRUE(disabled.Start(options));
  struct Planted {
    const char* name;
    DWORD type;
    std::string bytes;
  };
  auto dword = [](HWND window) {
    const DWORD value = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
    return std::string(reinterpret_cast<const char*>(&value), sizeof value);
  };
  const Planted planted[] = {
      {"005003", REG_DWORD, dword(visible.Window())},   // shown again meanwhile
      {"005007", REG_DWORD, dword(hidden.Window())},    // taken over as 5000
      {"005008", REG_SZ, std::string("12345", 6)},      // no DWORD
      {"005009", REG_DWORD, dword(disabled.Window())},  // busy with a dialog of its own: taken over as 5001
      {"005010", REG_DWORD, dword(reinterpret_cast<HWND>(0x7FFF0))},  // no window
      {"005011", REG_DWORD, dword(hidden.Window())},    // listed twice: taken once
  };
  for (const auto& value : planted) ASSERT_TRUE(WriteHkcuValue(kTrayIconKey, value.name, value.type, value.bytes));

  // Started with the system, the list is forgotten unread.
  StartStowpane("/restore");
  EXPECT_TRUE(WaitUntil([&] { return TrayValues().empty(); }, kWaitMs));
  ASSERT_TRUE(stowpane_.Exit());
  EXPECT_FALSE(IsWindowVisible(hidden.Window()));

  for (const auto& value : planted) ASSERT_TRUE(WriteHkcuValue(kTrayIconKey, value.name, value.type, value.bytes));
  StartStowpane();
  const std::map<std::string, HWND> expected{{"005000", hidden.Window()}, {"005001", disabled.Window()}};
  EXPECT_TRUE(WaitUntil([&] { return TrayValues() == expected; }, kWaitMs));
  EXPECT_TRUE(WaitForIcon(5001, true));
  EXPECT_FALSE(IconOf(5002).has_value());
  EXPECT_EQ("hidden", IconOf(5000)->tip);
  EXPECT_EQ("disabled", IconOf(5001)->tip);
  ASSERT_TRUE(stowpane_.Exit());
  EXPECT_TRUE(WaitForWindowState(hidden.Window(), kShown, kWaitMs));
  const WindowState shownDisabled{true, true, false, false};
  EXPECT_TRUE(WaitForWindowState(disabled.Window(), shownDisabled, kWaitMs));
}

TEST_F(Storing, AnUnansweringWindowIsAskedAboutUntilCancelOrAnAnswer) {
  TestWindowProcess hung;
  ASSERT_TRUE(hung.Start(Titled("hung")));
  // The question has no box that silences it: a remembered answer changes nothing.
  ASSERT_TRUE(WriteHkcuDword(std::string(kApplicationKey) + "\\WithoutStereotype", "IconicError", 2));
  StartStowpane();
  ASSERT_TRUE(RaiseToTop(hung.Window()));

  // Retry asks again while the window still hangs; Cancel leaves it as it was.
  ASSERT_TRUE(hung.Hang(7000));
  ASSERT_TRUE(UseTrayMenu({VK_DOWN, VK_RETURN}));
  HWND question = WaitForQuestion(2, 8000);
  ASSERT_NE(nullptr, question);
  Press(question, 4);
  ASSERT_TRUE(WaitForWindowGone(question, kWaitMs));
  question = WaitForQuestion(2, 8000);
  ASSERT_NE(nullptr, question);
  Press(question, 2);
  ASSERT_TRUE(WaitForWindowGone(question, kWaitMs));
  ASSERT_TRUE(hung.WaitForEvent("AWAKE", 10000));
  EXPECT_EQ(kShown, ReadWindowState(hung.Window()));
  EXPECT_TRUE(TrayValues().empty());

  // Retry once it answers stores it.
  ASSERT_TRUE(RaiseToTop(hung.Window()));
  const size_t awakeLines = hung.Events().size();
  ASSERT_TRUE(hung.Hang(7000));
  ASSERT_TRUE(UseTrayMenu({VK_DOWN, VK_RETURN}));
  question = WaitForQuestion(2, 8000);
  ASSERT_NE(nullptr, question);
  ASSERT_TRUE(hung.WaitForEvent("AWAKE", 10000, awakeLines));
  Press(question, 4);
  EXPECT_TRUE(WaitForWindowState(hung.Window(), kStored, kWaitMs));
  EXPECT_TRUE(WaitForIcon(5000, true));
  ASSERT_TRUE(stowpane_.Exit());
}

// Hiding another program's window waits for it, and what is sent to the
// program meanwhile is handled inside that wait: a click on its icon (the
// shell sends it) and a tick. Both must find the store under way and leave it
// whole: the window hidden, with its value and its icon.
TEST_F(Storing, AClickAndATickWhileAWindowIsSlowToMinimizeLeaveItsStoreWhole) {
  constexpr UINT kMainTimerId = 1000;
  TestWindowOptions options = Titled("slow");
  options.slowMinimizeMs = 4000;
  TestWindowProcess slow;
  ASSERT_TRUE(slow.Start(options));
  StartStowpane();
  ASSERT_TRUE(StoreThroughTrayMenu(slow.Window()));
  ASSERT_TRUE(slow.WaitForEvent("SLOW", kWaitMs));
  EXPECT_TRUE(SendNotifyMessageA(main_, kAppIconMessage, kAppIconId, WM_RBUTTONDOWN));
  EXPECT_TRUE(SendNotifyMessageA(main_, WM_TIMER, kMainTimerId, 0));
  ASSERT_TRUE(slow.WaitForEvent("AWAKE", 2 * options.slowMinimizeMs));
  WindowState state;
  EXPECT_TRUE(WaitForWindowState(slow.Window(), kStored, kWaitMs, &state)) << state;
  EXPECT_TRUE(WaitForIcon(5000, true));
  EXPECT_EQ(slow.Window(), TrayValues()[ValueName(5000)]);
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(Storing, RestoreAllAsksAboutHungWindowsWhileOthersCloseAndReleasesEachOnce) {
  TestWindowProcess stopped, late, closing, plain;
  ASSERT_TRUE(stopped.Start(Titled("stopped")));
  ASSERT_TRUE(late.Start(Titled("late")));
  ASSERT_TRUE(closing.Start(Titled("closing")));
  ASSERT_TRUE(plain.Start(Titled("plain")));
  StartStowpane();
  StoreEach({stopped.Window(), late.Window(), closing.Window(), plain.Window()});
  const size_t firstCall = tray_.Records().size();
  ASSERT_TRUE(stopped.Hang(15000));
  ASSERT_TRUE(late.Hang(8000));

  // Restore all through the tray menu: the first hung window is asked about.
  ASSERT_TRUE(UseTrayMenu({'R'}));
  HWND question = WaitForQuestion(7, 8000);
  ASSERT_NE(nullptr, question);
  // While the question is open, a stored window closes and ticks pass.
  PostMessageA(closing.Window(), WM_COMMAND, testwindow::kCommandExit, 0);
  ASSERT_TRUE(WaitForWindowGone(closing.Window(), kWaitMs));
  PumpMessagesFor(3 * kTimerPeriodMs);
  Press(question, 7);
  ASSERT_TRUE(WaitForWindowGone(question, kWaitMs));
  // The second is asked about until it answers.
  question = WaitForQuestion(7, 8000);
  ASSERT_NE(nullptr, question);
  ASSERT_TRUE(late.WaitForEvent("AWAKE", 10000));
  Press(question, 4);

  EXPECT_TRUE(WaitForWindowState(late.Window(), kShown, kWaitMs));
  EXPECT_TRUE(WaitForWindowState(plain.Window(), kShown, kWaitMs));
  // Stop leaves the window stored, to be tried again: hidden, with its value
  // and its icon back.
  EXPECT_TRUE(WaitUntil([&] { return TrayValues().size() == 1; }, kWaitMs));
  EXPECT_EQ(stopped.Window(), TrayValues()["005000"]);
  EXPECT_FALSE(IsWindowVisible(stopped.Window()));
  std::map<UINT, int> deletes;
  const auto records = tray_.Records();
  for (size_t i = firstCall; i < records.size(); ++i) {
    if (records[i].operation == "DELETE") ++deletes[records[i].id];
  }
  EXPECT_EQ((std::map<UINT, int>{{5000, 1}, {5001, 1}, {5002, 1}, {5003, 1}}), deletes);
  EXPECT_TRUE(WaitForIcon(5000, true));
  EXPECT_EQ(2u, tray_.Icons().size());
  // The exit gives it back once it answers.
  ASSERT_TRUE(stopped.WaitForEvent("AWAKE", 15000));
  ASSERT_TRUE(stowpane_.Exit());
  EXPECT_EQ(kShown, ReadWindowState(stopped.Window()));
  EXPECT_TRUE(TrayValues().empty());
}

TEST_F(Storing, ACancelledEndOfSessionStoresTheSameWindowsAgainOnce) {
  TestWindowProcess first, second;
  ASSERT_TRUE(first.Start(Titled("first")));
  ASSERT_TRUE(second.Start(Titled("second")));
  StartStowpane();
  StoreEach({first.Window(), second.Window()});

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    DWORD_PTR answer = 0;
    ASSERT_NE(0, SendMessageTimeoutA(main_, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, kWaitMs, &answer));
    EXPECT_EQ(TRUE, static_cast<BOOL>(answer));
    for (HWND window : {first.Window(), second.Window()}) EXPECT_EQ(kShown, ReadWindowState(window));
    EXPECT_TRUE(TrayValues().empty());
    ASSERT_NE(0, SendMessageTimeoutA(main_, WM_ENDSESSION, FALSE, 0, SMTO_BLOCK, kWaitMs, &answer));
    for (HWND window : {first.Window(), second.Window()}) EXPECT_EQ(kStored, ReadWindowState(window));
    EXPECT_EQ(2u, TrayValues().size());
    EXPECT_EQ(3u, tray_.Icons().size());
  }
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(Storing, ExitWaitsUntilAnOpenQuestionIsAnswered) {
  TestWindowProcess hung;
  ASSERT_TRUE(hung.Start(Titled("hung")));
  StartStowpane();
  ASSERT_TRUE(RaiseToTop(hung.Window()));
  ASSERT_TRUE(hung.Hang(7000));
  ASSERT_TRUE(UseTrayMenu({VK_DOWN, VK_RETURN}));
  HWND question = WaitForQuestion(2, 8000);
  ASSERT_NE(nullptr, question);

  // Ending now would leave the window in question half stored.
  PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
  EXPECT_FALSE(stowpane_.Process().WaitForExit(3 * kTimerPeriodMs));
  Press(question, 2);
  EXPECT_TRUE(stowpane_.Process().WaitForExit(kWaitMs));
  EXPECT_EQ(0u, stowpane_.Process().ExitCode().value_or(99));
  ASSERT_TRUE(hung.WaitForEvent("AWAKE", 10000));
  EXPECT_EQ(kShown, ReadWindowState(hung.Window()));
  EXPECT_TRUE(TrayValues().empty());
}

TEST_F(Storing, TheVersionWindowIsOpenedOnce) {
  StartStowpane();
  const WindowFilter version{kMainWindowClass, std::string("Stowpane ﾊﾞｰｼﾞｮﾝ情報"), stowpane_.Process().Id()};
  PostMessageA(main_, WM_COMMAND, 905, 0);
  HWND window = WaitForWindow(version, kWaitMs);
  ASSERT_NE(nullptr, window);
  PostMessageA(main_, WM_COMMAND, 905, 0);
  PumpMessagesFor(200);
  EXPECT_EQ(1u, FindTopLevelWindows(version).size());
  EXPECT_TRUE(IsWindowVisible(window));
  PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
  EXPECT_TRUE(WaitForWindowGone(window, kWaitMs));
  ASSERT_TRUE(stowpane_.Exit());
}

// A taskbar that is not ready (at logon) or busy refuses icons; one that
// rebuilds its notification area in the same window drops them all and says
// so with "TaskbarCreated". Either way every icon comes back.
TEST_F(Storing, IconsARefusingTaskbarOrARebuiltOneDidNotKeepComeBack) {
  TestWindowProcess early, late;
  ASSERT_TRUE(early.Start(Titled("early")));
  ASSERT_TRUE(late.Start(Titled("late")));
  ASSERT_TRUE(tray_.SetRefusing(true));
  StartStowpane();
  ASSERT_TRUE(StoreThroughTrayMenu(early.Window()));
  ASSERT_TRUE(WaitForWindowState(early.Window(), kStored, kWaitMs));
  ASSERT_TRUE(tray_.WaitForRecord(TrayCall("ADD", main_, 5000), kWaitMs));
  EXPECT_EQ(0u, tray_.IconCountOf(main_));
  ASSERT_TRUE(tray_.SetRefusing(false));
  EXPECT_TRUE(WaitUntil([&] { return tray_.IconCountOf(main_) == 2; }, kWaitMs)) << "refused icons were not added again";
  EXPECT_EQ("early", IconOf(5000)->tip);

  StoreEach({late.Window()});
  ASSERT_TRUE(tray_.Rebuild());
  EXPECT_TRUE(WaitUntil([&] { return tray_.IconCountOf(main_) == 3; }, kWaitMs)) << "dropped icons did not come back";
  EXPECT_EQ("late", IconOf(5001)->tip);
  ASSERT_TRUE(stowpane_.Exit());
}

TEST_F(Storing, StoredWindowsGetTheirIconsBackFromANewTaskbar) {
  TestWindowProcess kept, closed;
  ASSERT_TRUE(kept.Start(Titled("kept")));
  ASSERT_TRUE(closed.Start(Titled("closed")));
  StartStowpane();
  StoreEach({kept.Window(), closed.Window()});

  tray_.Kill();
  PostMessageA(closed.Window(), WM_COMMAND, testwindow::kCommandExit, 0);
  ASSERT_TRUE(WaitForWindowGone(closed.Window(), kWaitMs));
  FakeTaskbar next;
  FakeTaskbar::Options options;
  options.takeover = false;
  ASSERT_TRUE(next.Start(options));
  const auto icon = next.WaitForRecord(TrayCall("ADD", main_, 5000), kWaitMs);
  ASSERT_TRUE(icon);
  EXPECT_EQ("kept", icon->tip);
  EXPECT_EQ(kStored, ReadWindowState(kept.Window()));
  // The closed window is let go at a later tick, never given an icon again.
  EXPECT_TRUE(WaitUntil([&] { return TrayValues().size() == 1; }, kWaitMs));
  EXPECT_EQ(kept.Window(), TrayValues()["005000"]);
  EXPECT_FALSE(next.FindIcon(main_, 5001).has_value());
  ASSERT_TRUE(stowpane_.Exit());
}
