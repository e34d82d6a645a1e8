// The store's answers to re-entrant calls: the questions about hung windows
// run modal loops in which ticks, tray clicks and session messages run.
// Foreign windows live on threads of this process, so one can hang while the
// test, inside the question's loop, plays the tick and the session's end.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/UnansweredWindowBoxes.h"
#include "app/WindowStore.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/ModelessShapes.h"
#include "framework/window/TShape.h"
#include "tests/support/ThreadShapes.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/ThrowawayRegKey.h"

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
  EXPECT_EQ(0u, store_->Count());
  EXPECT_TRUE(HkcuValueNames(kTrayIconKey).empty());
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
