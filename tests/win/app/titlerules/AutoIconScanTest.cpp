// One pass of the title rules over a desktop of foreign windows in every
// state: which are stored, and whose titles the pass had to read for it.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/storing/WindowStore.h"
#include "app/titlerules/AutoIconScan.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/StandInMainWindow.h"

namespace {

// Counts the title questions other threads ask a window; told to, it
// destroys itself while answering the first, as a program closing meanwhile
// does. Runs on the window's own thread.
class TitleWatch {
 public:
  TitleWatch(HWND window, bool closeWhenAsked) : window_(window), closeWhenAsked_(closeWhenAsked) {
    SetPropA(window_, kProp, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TitleWatch::Procedure)));
  }
  ~TitleWatch() {
    if (IsWindow(window_)) {
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
      RemovePropA(window_, kProp);
    }
  }
  TitleWatch(const TitleWatch&) = delete;
  TitleWatch& operator=(const TitleWatch&) = delete;
  int Reads() const { return reads_; }
  // From now on the questions count, and the first one closes the window
  // when it was told to: the pass's own questions, not what came before it.
  void Arm() {
    reads_ = 0;
    armed_ = true;
  }

 private:
  static constexpr const char* kProp = "StowpaneTests.TitleWatch";
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<TitleWatch*>(GetPropA(window, kProp));
    const WNDPROC previous = self->previous_;
    // Only questions another thread sends count, not those the window asks
    // itself while it answers something else: painting its caption or, under
    // Wine, its frame when minimized asks for its text, also inside an
    // activation another thread's hiding or minimizing sends it, where
    // InSendMessage is true as well.
    if ((message == WM_GETTEXT || message == WM_GETTEXTLENGTH) && self->depth_ == 0 && InSendMessage() &&
        self->armed_) {
      ++self->reads_;
      if (self->closeWhenAsked_) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        RemovePropA(window, kProp);
        DestroyWindow(window);
        return 0;
      }
    }
    ++self->depth_;
    const LRESULT result = CallWindowProcA(previous, window, message, wParam, lParam);
    --self->depth_;
    return result;
  }
  HWND window_;
  bool closeWhenAsked_;
  WNDPROC previous_ = nullptr;
  std::atomic<int> reads_{0};
  int depth_ = 0;  // messages of the window's own thread being answered
  std::atomic<bool> armed_{false};
};

struct Desk {
  const char* name;
  bool matches;
  bool minimized;
  bool released;
  bool hung;
  bool closes;
  bool storedAtTheWatch;  // TScanMode::Startup
  bool storedPeriodically;
  int ownerRow = -1;      // an earlier row of the desk
  bool visible = true;
  bool listed = true;     // offered by the tray menu
};

}  // namespace

// The state is asked before the title, so a pass reads only the titles of
// windows it could store; what it stores is what reading every title first
// and asking the state afterwards stored: the same windows on the same desktop.
TEST(AutoIconScan, StoresTheSameWindowsAndReadsOnlyTheTitlesThatCanStillMatch) {
  const Desk desk[] = {
      {"minimized", true, true, false, false, false, true, true},
      {"shown", true, false, false, false, false, true, false},
      {"taken back", true, false, true, false, false, false, false},
      {"taken back, minimized again", true, true, true, false, false, true, true},
      {"hung", true, false, false, true, false, false, false},
      {"closing meanwhile", true, true, false, false, true, false, false},
      {"other title, minimized", false, true, false, false, false, false, false},
      {"other title, shown", false, false, false, false, false, false, false},
      {"other title, hidden", false, false, false, false, false, false, false, -1, false, false},
      // An owned window is listed only when its owner is not.
      {"minimized, owned by a shown window", true, true, false, false, false, false, false, 7, true, false},
      {"minimized, owned by a hidden window", true, true, false, false, false, true, true, 8},
  };
  for (TScanMode mode : {TScanMode::Startup, TScanMode::Periodic}) {
    const bool periodic = mode == TScanMode::Periodic;
    SCOPED_TRACE(periodic ? "periodic pass" : "the watch after a start with the system");
    StandInMainWindow main;
    TWindowStore store(nullptr);
    std::vector<std::unique_ptr<ForeignWindowThread>> windows;
    std::vector<std::unique_ptr<TitleWatch>> watches;
    THandleList released;
    for (const Desk& d : desk) {
      ForeignWindowOptions options;
      options.title = std::string(d.matches ? "scan rule " : "unrelated ") + d.name;
      options.minimized = d.minimized;
      options.visible = d.visible;
      if (d.ownerRow >= 0) options.owner = windows[static_cast<size_t>(d.ownerRow)]->Window();
      windows.push_back(std::make_unique<ForeignWindowThread>(options));
      ASSERT_NE(nullptr, windows.back()->Window()) << d.name;
      watches.push_back(std::make_unique<TitleWatch>(windows.back()->Window(), d.closes));
      if (d.released) released.push_back(windows.back()->Window());
    }
    for (size_t i = 0; i < windows.size(); ++i) {
      if (desk[i].hung) {
        ASSERT_TRUE(windows[i]->Hang(3000));
      }
    }
    TAutoIconRules rules;
    rules.patterns.Append("SCAN RULE");
    for (const auto& watch : watches) watch->Arm();
    AutoIconizeScan(store, main.Handle(), rules, mode, released);

    std::set<HWND> stored;
    for (size_t i = 0; i < store.Table().Count(); ++i) stored.insert(store.Table().At(i).window);
    for (size_t i = 0; i < windows.size(); ++i) {
      const Desk& d = desk[i];
      SCOPED_TRACE(d.name);
      EXPECT_EQ(periodic ? d.storedPeriodically : d.storedAtTheWatch, stored.count(windows[i]->Window()) == 1);
      // A window the mode rules out by its state is not asked for its title.
      const bool stateAllows = periodic ? d.minimized : d.minimized || !d.released;
      if (!d.hung) {
        EXPECT_EQ(d.listed && stateAllows, watches[i]->Reads() > 0);
      }
    }
    store.RestoreAll();
  }
}

// Titles in scripts Shift-JIS lacks are matched as before: on the Shift-JIS
// form the ANSI call gives, so the Japanese part of a mixed title still
// matches, with the usual case and width rules, and nothing else does.
TEST(AutoIconScan, TitlesInAnyScriptMatchOnTheirShiftJisForm) {
  struct Case {
    std::wstring title;
    const char* rule;
    bool stored;
  } cases[] = {
      {L"\u4e2d\u6587 \u30e1\u30e2\u5e33 \U0001F600", "メモ帳", true},
      {L"\uff21\uff22\uff23 \ud55c\uad6d\uc5b4", "abc", true},
      {L"\ud55c\uad6d\uc5b4 \ubb38\uc11c", "文書", false},
      {L"Caf\u00e9 \U0001F600", "x", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rule);
    StandInMainWindow main;
    TWindowStore store(nullptr);
    ForeignWindowOptions options;
    options.wideTitle = c.title;
    options.minimized = true;
    ForeignWindowThread window(options);
    ASSERT_NE(nullptr, window.Window());
    TAutoIconRules rules;
    rules.patterns.Append(c.rule);
    AutoIconizeScan(store, main.Handle(), rules, TScanMode::Periodic, THandleList());
    EXPECT_EQ(c.stored, store.Table().FindByWindow(window.Window()) != nullptr);
    store.RestoreAll();
  }
}
