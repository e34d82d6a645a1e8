// The store's answers to re-entrant calls: the questions about hung windows
// run modal loops in which ticks, tray clicks and session messages run.
// Foreign windows live on threads of this process, so one can hang while the
// test, inside the question's loop, plays the tick and the session's end.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/storing/CandidateWindows.h"
#include "app/storing/UnansweredWindowBoxes.h"
#include "app/storing/WindowStore.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/ThreadShapes.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr const char* kTrayIconKey = "Software\\Quillon\\Stowpane\\3.x\\TrayIcon";

// Acts once inside the next question's own loop, then answers it.
std::function<int(HWND)> g_inQuestion;
int g_questions = 0;

void CALLBACK UserTick(HWND, UINT, UINT_PTR, DWORD) {
  HWND question = VisibleShapeOfThisThread();
  if (question == nullptr || !g_inQuestion) return;
  ++g_questions;
  // A question opened by the action itself is answered by the next tick.
  auto act = std::move(g_inQuestion);
  g_inQuestion = nullptr;
  const int answer = act(question);
  PostMessageA(question, WM_COMMAND, MAKEWPARAM(answer, BN_CLICKED), 0);
}

ForeignWindowOptions Named(const char* title) {
  ForeignWindowOptions options;
  options.title = title;
  return options;
}

HWND ValueWindow(const std::string& name) {
  return reinterpret_cast<HWND>(static_cast<UINT_PTR>(ReadHkcuDword(kTrayIconKey, name).value_or(0)));
}

// An owner whose window is gone, as the main window is once it was closed:
// no question can be shown for it.
class GoneOwner : public TWindow {
 public:
  GoneOwner() {
    HWND window = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    DestroyWindow(window);
    AttachHandle(window);
  }
};

class WindowStoreReentry : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
    DeleteHkcuKey(kTrayIconKey);
    owner_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    AppState().mainWindow = owner_;
    timer_ = SetTimer(nullptr, 0, 20, UserTick);
    g_questions = 0;
  }
  void TearDown() override {
    KillTimer(nullptr, timer_);
    g_inQuestion = nullptr;
    store_.reset();
    AppState().mainWindow = nullptr;
    DestroyWindow(owner_);
    DeleteHkcuKey(kTrayIconKey);
    CloseAllModeless();
    DestroyGlobalKeyLists();
  }
  ThrowawayRegKey key_;
  HWND owner_ = nullptr;
  UINT_PTR timer_ = 0;
  std::unique_ptr<TWindowStore> store_ = std::make_unique<TWindowStore>(nullptr);
};

}  // namespace

TEST_F(WindowStoreReentry, TicksStoresAndASessionEndInsideARestoreQuestionLeaveOneConsistentTable) {
  ForeignWindowThread first(Named("first")), hung(Named("hung")), closing(Named("closing"));
  for (HWND window : {first.Window(), hung.Window(), closing.Window()}) ASSERT_TRUE(store_->StoreWindow(window));
  ASSERT_EQ(3u, HkcuValueNames(kTrayIconKey).size());
  ASSERT_TRUE(hung.Hang(20000));

  bool storedAgain = true;
  size_t countAfterTick = 0;
  g_inQuestion = [&](HWND) {
    // The first window is back; the hung one waits here, out of the table.
    PostMessageA(closing.Window(), WM_CLOSE, 0, 0);
    while (IsWindow(closing.Window())) Sleep(5);
    store_->RefreshAll();  // the tick: held back while a question is open
    countAfterTick = store_->Count();
    storedAgain = store_->StoreWindow(hung.Window());  // the window in question is not stored twice
    store_->RestoreAll();  // a session's end: gives back what is left, here the closed one
    return kAnswerStop;
  };
  store_->RestoreAll();

  EXPECT_EQ(1, g_questions);
  EXPECT_EQ(1u, countAfterTick);
  EXPECT_FALSE(storedAgain);
  // Stopped during a session, the hung window stays stored under its own id.
  ASSERT_EQ(1u, store_->Count());
  EXPECT_EQ(hung.Window(), store_->Table().At(0).window);
  EXPECT_EQ((std::vector<std::string>{"005001"}), HkcuValueNames(kTrayIconKey));
  EXPECT_TRUE(IsWindowVisible(first.Window()));
  EXPECT_FALSE(IsWindowVisible(hung.Window()));
  EXPECT_FALSE(store_->Busy());
}

TEST_F(WindowStoreReentry, AWindowStoredWhileAnotherIsInQuestionKeepsItsOwnId) {
  ForeignWindowThread other(Named("other")), slow(Named("slow"));
  ASSERT_TRUE(slow.Hang(6000));
  g_inQuestion = [&](HWND) {
    EXPECT_TRUE(store_->StoreWindow(other.Window()));  // takes 5000 meanwhile
    EXPECT_FALSE(store_->StoreWindow(slow.Window()));  // the one in question: once only
    // Retry once the slow window answers again.
    DWORD_PTR ignored = 0;
    for (int i = 0; i < 100 && SendMessageTimeoutW(slow.Window(), WM_NULL, 0, 0, SMTO_BLOCK, 100, &ignored) == 0; ++i) {
    }
    return kAnswerRetry;
  };
  EXPECT_TRUE(store_->StoreWindow(slow.Window()));

  EXPECT_EQ(1, g_questions);
  ASSERT_EQ(2u, store_->Count());
  EXPECT_EQ(other.Window(), store_->Table().At(0).window);
  EXPECT_EQ(5000, store_->Table().At(0).iconId);
  EXPECT_EQ(5001, store_->Table().At(1).iconId);
  EXPECT_EQ((std::vector<std::string>{"005000", "005001"}), HkcuValueNames(kTrayIconKey));
  store_->RestoreAll();
  EXPECT_TRUE(IsWindowVisible(slow.Window()));
}

TEST_F(WindowStoreReentry, NoIdIsGivenThatAWindowInQuestionOrAValueOfACrashedCopyHolds) {
  // 005001 was left by a copy that crashed and is not taken over yet.
  const HWND crashedCopysWindow = reinterpret_cast<HWND>(0x1234);
  ASSERT_TRUE(WriteHkcuDword(kTrayIconKey, "005001", 0x1234));
  ForeignWindowThread hung(Named("hung")), other(Named("other")), later(Named("later"));
  ASSERT_TRUE(store_->StoreWindow(hung.Window()));
  ASSERT_TRUE(store_->StoreWindow(other.Window()));
  EXPECT_EQ(5000, store_->Table().At(0).iconId);
  EXPECT_EQ(5002, store_->Table().At(1).iconId);
  ASSERT_TRUE(hung.Hang(20000));

  // While the hung window's restore question is open it is in no table; a
  // window stored meanwhile (a cancelled end of session) must not take its id.
  g_inQuestion = [&](HWND) {
    EXPECT_TRUE(store_->StoreWindow(later.Window()));
    return kAnswerStop;
  };
  store_->RestoreThroughIcon(store_->Table().At(0));

  EXPECT_EQ(1, g_questions);
  // Stop during a session keeps the window stored: its id, value and icon stay.
  ASSERT_EQ(3u, store_->Count());
  ASSERT_NE(nullptr, store_->Table().FindByWindow(hung.Window()));
  EXPECT_EQ(5000, store_->Table().FindByWindow(hung.Window())->iconId);
  EXPECT_EQ(5003, store_->Table().FindByWindow(later.Window())->iconId);
  EXPECT_FALSE(IsWindowVisible(hung.Window()));
  EXPECT_EQ((std::vector<std::string>{"005000", "005001", "005002", "005003"}), HkcuValueNames(kTrayIconKey));
  EXPECT_EQ(hung.Window(), ValueWindow("005000"));
  EXPECT_EQ(crashedCopysWindow, ValueWindow("005001"));
  EXPECT_EQ(other.Window(), ValueWindow("005002"));
  EXPECT_EQ(later.Window(), ValueWindow("005003"));
  EXPECT_FALSE(store_->Busy());
}

TEST_F(WindowStoreReentry, AQuestionThatCannotBeShownEndsTheAttemptsAfterOneProbe) {
  GoneOwner gone;
  store_ = std::make_unique<TWindowStore>(&gone);
  ForeignWindowThread hung(Named("hung"));
  ASSERT_TRUE(store_->StoreWindow(hung.Window()));
  const DWORD hangMs = 12000;
  ASSERT_TRUE(hung.Hang(hangMs));
  const DWORD start = GetTickCount();
  store_->RestoreAll();
  // One probe of 5 s, not one after another for as long as the window hangs.
  EXPECT_LT(GetTickCount() - start, hangMs - 2000);
  EXPECT_EQ(0, g_questions);
  // During a session nothing was answered: the window stays stored.
  ASSERT_EQ(1u, store_->Count());
  EXPECT_EQ((std::vector<std::string>{"005000"}), HkcuValueNames(kTrayIconKey));
}

TEST_F(WindowStoreReentry, AtTheEndStopTellsTheWindowToShowItselfOnceItAnswers) {
  ForeignWindowThread hung(Named("hung"));
  ASSERT_TRUE(store_->StoreWindow(hung.Window()));
  const DWORD hangMs = 9000;
  ASSERT_TRUE(hung.Hang(hangMs));
  const DWORD start = GetTickCount();
  store_->SetEnding(true);
  g_inQuestion = [](HWND) { return kAnswerStop; };
  store_->RestoreAll();
  EXPECT_EQ(1, g_questions);
  EXPECT_LT(GetTickCount() - start, hangMs);  // not waited for
  EXPECT_EQ(0u, store_->Count());
  EXPECT_TRUE(HkcuValueNames(kTrayIconKey).empty());
  // Nothing is left to bring it back: it comes back by itself.
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(hung.Window()) && !IsIconic(hung.Window()); }, hangMs + 5000));
}

TEST_F(WindowStoreReentry, TakingOverAHungHiddenWindowDoesNotWaitForIt) {
  ForeignWindowOptions options = Named("hidden and hung");
  options.visible = false;
  ForeignWindowThread hung(options);
  ASSERT_TRUE(WriteHkcuDword(kTrayIconKey, "005007", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(hung.Window()))));
  const DWORD hangMs = 8000;
  ASSERT_TRUE(hung.Hang(hangMs));
  const DWORD start = GetTickCount();
  store_->AdoptPersistedWindows();
  EXPECT_LT(GetTickCount() - start, hangMs - 2000);
  ASSERT_EQ(1u, store_->Count());
  EXPECT_EQ(hung.Window(), ValueWindow("005000"));
  // Told without waiting, it minimizes once it answers, and stays hidden. The
  // two orders reach it one after the other: minimized, it is shown for a
  // moment until the hide is handled.
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(hung.Window()) && !IsWindowVisible(hung.Window()); }, hangMs + 5000));
}

// Runs on the test's thread when the window being minimized sends to it,
// that is inside the store's wait for the window.
std::function<void()> g_duringHide;
LRESULT CALLBACK DuringHideProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP && g_duringHide) {
    g_duringHide();
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

// Hiding waits for the window; what is sent to the program meanwhile runs
// (a tick in the menu a tray click opens, the session's end) and must find one
// consistent table: the store asked for is carried out, or undone with the
// window shown when the session began to end.
TEST_F(WindowStoreReentry, WhatRunsWhileTheWindowIsBeingHiddenSeesOneTableAndLeavesTheStoreWhole) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DuringHideProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "StowpaneDuringHide";
  RegisterClassA(&windowClass);
  HWND during = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                windowClass.hInstance, nullptr);
  ASSERT_NE(nullptr, during);
  struct Case {
    const char* reason;
    bool sessionEnds;
  } cases[] = {{"a tick", false}, {"the session's end", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    ForeignWindowOptions options = Named("slow to minimize");
    options.whileMinimizing = [during] { SendMessageA(during, WM_APP, 0, 0); };
    ForeignWindowThread slow(options);
    size_t seenCount = 99;
    THandleList shown;
    g_duringHide = [&] {
      seenCount = store_->Count();
      if (c.sessionEnds) {
        store_->SetEnding(true);
        shown = store_->ShowWindowsInQuestion();
        store_->RestoreAll();
      } else {
        store_->RefreshAll();
      }
    };
    const bool stored = store_->StoreWindow(slow.Window());
    g_duringHide = nullptr;
    EXPECT_EQ(0u, seenCount) << "the record was in the table before its window was hidden";
    EXPECT_EQ(!c.sessionEnds, stored);
    EXPECT_EQ(c.sessionEnds ? 0u : 1u, store_->Count());
    EXPECT_EQ(c.sessionEnds ? nullptr : slow.Window(), ValueWindow("005000"));
    EXPECT_EQ(c.sessionEnds, shown == THandleList{slow.Window()});
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(slow.Window()) == c.sessionEnds; }, 3000));
    store_->SetEnding(false);
    store_.reset(new TWindowStore(nullptr));
    DeleteHkcuKey(kTrayIconKey);
  }
  DestroyWindow(during);
}

TEST_F(WindowStoreReentry, NeverStoresOrListsItsOwnWindowsTheTaskbarOrTheTray) {
  HWND own = CreateWindowExA(0, "STATIC", "own", WS_POPUP | WS_VISIBLE | WS_CAPTION, 0, 0, 50, 50, nullptr, nullptr,
                             nullptr, nullptr);
  ASSERT_NE(nullptr, own);
  ForeignWindowOptions taskbar = Named("taskbar"), tray = Named("Wine System Tray"), secondTaskbar = Named("bar 2");
  taskbar.className = "Shell_TrayWnd";
  tray.className = "__winex11_standalone_tray";
  secondTaskbar.className = "Shell_SecondaryTrayWnd";
  ForeignWindowThread taskbarWindow(taskbar), trayWindow(tray), secondWindow(secondTaskbar), user(Named("user"));
  const THandleList candidates = EnumerateCandidateWindows();
  auto listed = [&](HWND w) { return std::find(candidates.begin(), candidates.end(), w) != candidates.end(); };
  EXPECT_TRUE(listed(user.Window()));
  for (HWND never : {own, taskbarWindow.Window(), trayWindow.Window(), secondWindow.Window()}) {
    SCOPED_TRACE(WindowClassName(never));
    EXPECT_FALSE(listed(never));
    EXPECT_FALSE(store_->StoreWindow(never));
    EXPECT_TRUE(IsWindowVisible(never));
  }
  // An edited value naming one of them is not taken over either.
  ShowWindow(own, SW_HIDE);
  ASSERT_TRUE(WriteHkcuDword(kTrayIconKey, "005000", static_cast<DWORD>(reinterpret_cast<UINT_PTR>(own))));
  store_->AdoptPersistedWindows();
  EXPECT_EQ(0u, store_->Count());
  DestroyWindow(own);
}
