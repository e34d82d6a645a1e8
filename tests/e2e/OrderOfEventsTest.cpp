// Orders of events in which a window could be lost or the program could
// hang: a store while the start notice of a take-over is open, and every way
// the program ends (the exit command, WM_CLOSE from outside, the end of the
// session, the taskbar's death) arriving while a question is open.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/StoringFixture.h"

using namespace storing;

namespace {

class OrderOfEvents : public Storing {
 protected:
  // `count` windows of our test program, started and stored by a copy that is
  // then killed: they stay hidden with their values, for the next start.
  void LeaveStoredByAKilledCopy(size_t count) {
    for (size_t i = 0; i < count; ++i) {
      programs_.push_back(std::make_unique<TestWindowProcess>());
      ASSERT_TRUE(programs_.back()->Start(Titled("crashed " + std::to_string(i))));
      left_.push_back(programs_.back()->Window());
    }
    StartStowpane();
    StoreEach(left_);
    stowpane_.Process().Kill();
    for (HWND window : left_) ASSERT_EQ(kStored, ReadWindowState(window));
  }
  // A start by the user that shows its start notice; returns the notice.
  HWND StartWithItsNotice() {
    DeleteHkcuValue(kStereotypeKey, "Register");
    WriteHkcuDword(kStereotypeKey, "Unregister", IDOK);
    stowpane_.ShowStartupNotices(true);
    StartStowpane();
    return WaitForQuestion(IDOK, kWaitMs);
  }
  // Every value names a hidden window of `windows`, once, and has its icon.
  void ExpectEveryValueIsOneHiddenWindowWithItsIcon(const std::vector<HWND>& windows) {
    std::set<HWND> named;
    for (const auto& [name, window] : TrayValues()) {
      SCOPED_TRACE(name);
      EXPECT_TRUE(named.insert(window).second) << "two values name one window";
      EXPECT_EQ(kStored, ReadWindowState(window));
      EXPECT_TRUE(IconOf(std::stoi(name)).has_value());
    }
    for (HWND window : windows) EXPECT_EQ(1u, named.count(window));
  }
  bool StillRunning() { return !stowpane_.Process().WaitForExit(3 * kTimerPeriodMs); }

  std::vector<std::unique_ptr<TestWindowProcess>> programs_;
  std::vector<HWND> left_;
};

}  // namespace

TEST_F(OrderOfEvents, StoreAllWhileTheStartNoticeIsOpenKeepsTheCrashedCopysWindows) {
  LeaveStoredByAKilledCopy(3);
  TestWindowProcess extra;
  ASSERT_TRUE(extra.Start(Titled("extra")));
  HWND notice = StartWithItsNotice();
  ASSERT_NE(nullptr, notice);

  // The windows are taken over before the notice can be answered: a store all
  // now numbers after them, and never takes the notice itself.
  ASSERT_TRUE(UseTrayMenu({'K'}));
  ASSERT_TRUE(WaitForWindowState(extra.Window(), kStored, kWaitMs));
  // Only this copy's icons count: the stand-in taskbar drops the killed
  // copy's on its own timer, at any moment of the wait.
  ASSERT_TRUE(WaitUntil([&] { return TrayValues().size() == 4 && tray_.IconCountOf(main_) == 5; }, kWaitMs))
      << TrayValues().size() << " values, " << tray_.IconCountOf(main_) << " icons";
  std::vector<HWND> all = left_;
  all.push_back(extra.Window());
  ExpectEveryValueIsOneHiddenWindowWithItsIcon(all);
  EXPECT_TRUE(IsWindowVisible(notice));

  Press(notice, IDOK);
  ASSERT_TRUE(stowpane_.Exit());
  for (HWND window : all) EXPECT_EQ(kShown, ReadWindowState(window));
  EXPECT_TRUE(TrayValues().empty());
}

TEST_F(OrderOfEvents, EndingWhileTheStartNoticeIsOpenGivesTheCrashedCopysWindowsBack) {
  LeaveStoredByAKilledCopy(2);
  struct Route {
    const char* name;
    UINT message;
    WPARAM wParam;
  } const routes[] = {{"exit command", WM_COMMAND, kExitCommand}, {"closed from outside", WM_CLOSE, 0}};
  for (const Route& route : routes) {
    SCOPED_TRACE(route.name);
    if (route.message == WM_CLOSE) {
      // The next round starts as the first did: the windows left by a killed copy.
      StartStowpane();
      StoreEach(left_);
      stowpane_.Process().Kill();
    }
    HWND notice = StartWithItsNotice();
    ASSERT_NE(nullptr, notice);
    PostMessageA(main_, route.message, route.wParam, 0);
    ASSERT_TRUE(stowpane_.Process().WaitForExit(2 * kWaitMs));
    for (HWND window : left_) EXPECT_EQ(kShown, ReadWindowState(window));
    EXPECT_TRUE(TrayValues().empty());
  }
}

TEST_F(OrderOfEvents, ClosedFromOutsideWhileAQuestionIsOpenItEndsOnceTheQuestionIsAnswered) {
  // Storing: the question's Cancel ends it.
  {
    TestWindowProcess hung;
    ASSERT_TRUE(hung.Start(Titled("hung while stored")));
    StartStowpane();
    ASSERT_TRUE(RaiseToTop(hung.Window()));
    ASSERT_TRUE(hung.Hang(8000));
    ASSERT_TRUE(UseTrayMenu({VK_DOWN, VK_RETURN}));
    HWND question = WaitForQuestion(IDCANCEL, 8000);
    ASSERT_NE(nullptr, question);
    PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(StillRunning());
    EXPECT_TRUE(IsWindowVisible(question));
    Press(question, IDCANCEL);
    EXPECT_TRUE(stowpane_.Process().WaitForExit(kWaitMs));
    ASSERT_TRUE(hung.WaitForEvent("AWAKE", 10000));
    EXPECT_EQ(kShown, ReadWindowState(hung.Window()));
    EXPECT_TRUE(TrayValues().empty());
  }
  // Restoring: Stop keeps the window stored during the session; the end that
  // follows asks once more, and Stop then tells it to show itself when it can.
  {
    TestWindowProcess hung;
    ASSERT_TRUE(hung.Start(Titled("hung while given back")));
    StartStowpane();
    StoreEach({hung.Window()});
    ASSERT_TRUE(hung.Hang(16000));
    PostMessageA(main_, IconMessage(5000), 5000, WM_LBUTTONDBLCLK);
    HWND question = WaitForQuestion(7, 8000);
    ASSERT_NE(nullptr, question);
    PostMessageA(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(StillRunning());
    Press(question, 7);
    ASSERT_TRUE(WaitForWindowGone(question, kWaitMs));
    question = WaitForQuestion(7, 8000);
    ASSERT_NE(nullptr, question);
    Press(question, 7);
    EXPECT_TRUE(stowpane_.Process().WaitForExit(kWaitMs));
    EXPECT_TRUE(TrayValues().empty());
    ASSERT_TRUE(hung.WaitForEvent("AWAKE", 20000));
    EXPECT_TRUE(WaitForWindowState(hung.Window(), kShown, kWaitMs));
  }
}

// Every question a user can meet, each met by the end of the session and by
// the taskbar's death: no window stays hidden, no icon is lost.
TEST_F(OrderOfEvents, TheSessionsEndOrTheTaskbarsDeathWhileAQuestionOrTheStartNoticeIsOpen) {
  LeaveStoredByAKilledCopy(1);
  enum Open { kStoreQuestion, kRestoreQuestion, kStartNotice };
  enum Event { kSessionEnds, kTaskbarDies };
  const char* const openNames[] = {"store question, ", "restore question, ", "start notice, "};
  for (Open open : {kStoreQuestion, kRestoreQuestion, kStartNotice}) {
    for (Event event : {kSessionEnds, kTaskbarDies}) {
      SCOPED_TRACE(std::string(openNames[open]) + (event == kSessionEnds ? "the session ends" : "the taskbar dies"));
      TestWindowProcess hung;
      ASSERT_TRUE(hung.Start(Titled("hung")));
      HWND question = nullptr;
      int answer = IDOK;
      std::map<std::string, HWND> kept{{"005000", left_[0]}};
      if (open == kStartNotice) {
        question = StartWithItsNotice();
      } else {
        stowpane_.ShowStartupNotices(false);
        StartStowpane();
        if (open == kStoreQuestion) {
          ASSERT_TRUE(RaiseToTop(hung.Window()));
          ASSERT_TRUE(hung.Hang(7000));
          ASSERT_TRUE(UseTrayMenu({VK_DOWN, VK_RETURN}));
          answer = IDCANCEL;
        } else {
          ASSERT_TRUE(WaitForIcon(5000, true));  // the take-over's icon comes first
          ASSERT_TRUE(StoreThroughTrayMenu(hung.Window()));
          ASSERT_TRUE(WaitForWindowState(hung.Window(), kStored, kWaitMs));
          ASSERT_TRUE(WaitForIcon(5001, true));
          ASSERT_TRUE(hung.Hang(10000));
          PostMessageA(main_, IconMessage(5001), 5001, WM_LBUTTONDBLCLK);
          // Stop keeps it stored during the session.
          answer = 7;
          kept["005001"] = hung.Window();
        }
        question = WaitForQuestion(answer, 8000);
      }
      ASSERT_NE(nullptr, question);
      // The crashed copy's window is taken over in every case.
      ASSERT_TRUE(WaitUntil([&] { return TrayValues().count("005000") == 1; }, kWaitMs));

      if (event == kSessionEnds) {
        DWORD_PTR result = 0;
        ASSERT_NE(0, SendMessageTimeoutA(main_, WM_QUERYENDSESSION, 0, 0, SMTO_BLOCK, 2 * kWaitMs, &result));
        EXPECT_EQ(TRUE, static_cast<BOOL>(result));
        EXPECT_EQ(kShown, ReadWindowState(left_[0]));
        SendMessageTimeoutA(main_, WM_ENDSESSION, TRUE, 0, SMTO_BLOCK, kWaitMs, &result);
        stowpane_.Process().Kill();
      } else {
        tray_.Kill();
        EXPECT_TRUE(StillRunning());
        Press(question, answer);
        ASSERT_TRUE(tray_.Start());
        for (const auto& value : kept) {
          const UINT id = static_cast<UINT>(std::stoi(value.first));
          EXPECT_TRUE(tray_.WaitForRecord(TrayCall("ADD", main_, id), kWaitMs));
          EXPECT_EQ(kStored, ReadWindowState(value.second));
        }
        EXPECT_EQ(kept, TrayValues());
        // Given back at exit without a question once it answers again.
        ASSERT_TRUE(open == kStartNotice || hung.WaitForEvent("AWAKE", 10000));
        ASSERT_TRUE(stowpane_.Exit());
      }
      // A window in question comes back by itself once it answers.
      ASSERT_TRUE(open == kStartNotice || hung.WaitForEvent("AWAKE", 12000));
      for (HWND window : {left_[0], hung.Window()}) EXPECT_TRUE(WaitForWindowState(window, kShown, kWaitMs));
      // The next round starts from a crashed copy's window again.
      stowpane_.ShowStartupNotices(false);
      StartStowpane();
      ASSERT_TRUE(StoreThroughTrayMenu(left_[0]));
      ASSERT_TRUE(WaitForWindowState(left_[0], kStored, kWaitMs));
      ASSERT_TRUE(WaitForIcon(5000, true));
      stowpane_.Process().Kill();
    }
  }
}
