// The order of the store's steps against the registry: a window is hidden only
// once its "TrayIcon" value exists, and the value goes only after the window
// is shown again, so that a crash at any moment leaves a hidden window that
// the next start can take over. The foreign windows are watched from inside:
// their window procedure is wrapped, and at each change of state it looks up
// whether a value names the window at that moment.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/storing/WindowStore.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/StandInMainWindow.h"

namespace {

constexpr const char* kTrayIconKey = "Software\\Quillon\\Stowpane\\3.x\\TrayIcon";

// True when a value of the "TrayIcon" key holds `window`'s handle.
bool HasTrayIconValue(HWND window) {
  const DWORD handle = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window));
  for (const std::string& name : HkcuValueNames(kTrayIconKey)) {
    if (ReadHkcuDword(kTrayIconKey, name) == handle) return true;
  }
  return false;
}

// A state change the window saw, and whether its value existed then.
struct Seen {
  std::string change;  // "minimized", "hidden" or "shown"
  bool valued;
};

// Wraps the window procedure of a foreign window; the wrapper runs on the
// window's own thread, while the store waits in its ShowWindow.
class StateWatch {
 public:
  explicit StateWatch(HWND window) : window_(window) {
    SetPropA(window_, kProp, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StateWatch::Procedure)));
  }
  ~StateWatch() {
    if (IsWindow(window_)) {
      SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
      RemovePropA(window_, kProp);
    }
  }
  StateWatch(const StateWatch&) = delete;
  StateWatch& operator=(const StateWatch&) = delete;

  // What was seen since the last call.
  std::vector<Seen> Take() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Seen> seen;
    seen.swap(seen_);
    return seen;
  }

 private:
  static constexpr const char* kProp = "StowpaneTests.StateWatch";

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<StateWatch*>(GetPropA(window, kProp));
    // The window position messages come with every change of visibility;
    // WM_SHOWWINDOW does not (Windows sends none for SW_SHOWNORMAL, and Wine
    // sent none when a hidden minimized window was restored). Hidden is noted
    // before it happens, shown after.
    const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED) self->Note("minimized");
    if (message == WM_WINDOWPOSCHANGING && (position->flags & SWP_HIDEWINDOW)) self->Note("hidden");
    if (message == WM_WINDOWPOSCHANGED && (position->flags & SWP_SHOWWINDOW)) self->Note("shown");
    return CallWindowProcA(self->previous_, window, message, wParam, lParam);
  }
  void Note(const char* change) {
    const bool valued = HasTrayIconValue(window_);
    std::lock_guard<std::mutex> lock(mutex_);
    seen_.push_back({change, valued});
  }

  HWND window_;
  WNDPROC previous_ = nullptr;
  std::mutex mutex_;
  std::vector<Seen> seen_;
};

// Each of `required` happened, and every change in `seen` happened while a
// value named the window.
void ExpectSeenWithValue(const std::vector<Seen>& seen, const std::vector<std::string>& required) {
  for (const std::string& change : required) {
    bool found = false;
    for (const Seen& s : seen) found = found || s.change == change;
    EXPECT_TRUE(found) << "the window was never " << change;
  }
  for (const Seen& s : seen) EXPECT_TRUE(s.valued) << "the window was " << s.change << " while no value named it";
}

class WindowStoreValueOrder : public ::testing::Test {
 protected:
  void TearDown() override { store_.RestoreAll(); }
  StandInMainWindow main_;
  TWindowStore store_{nullptr};
};

}  // namespace

TEST_F(WindowStoreValueOrder, TheValueExistsBeforeTheWindowIsHiddenAndUntilItIsShownAgain) {
  enum Shown { kNormal, kMinimized, kMaximized };
  struct Case {
    const char* reason;
    Shown shown;
    bool throughIcon;  // given back by a double click on its icon, else by Restore all
    std::vector<std::string> storing;  // what the window must see while it is stored
  } cases[] = {
      {"shown: minimized, then hidden", kNormal, true, {"minimized", "hidden"}},
      {"maximized: minimized, then hidden", kMaximized, false, {"minimized", "hidden"}},
      {"already minimized: only hidden", kMinimized, false, {"hidden"}},
      {"already minimized, given back through its icon", kMinimized, true, {"hidden"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reason);
    ForeignWindowOptions options;
    options.title = c.reason;
    options.minimized = c.shown == kMinimized;
    ForeignWindowThread foreign(options);
    const HWND window = foreign.Window();
    ASSERT_NE(nullptr, window);
    if (c.shown == kMaximized) ShowWindow(window, SW_MAXIMIZE);
    StateWatch watch(window);

    ASSERT_TRUE(store_.StoreWindow(window));
    ASSERT_FALSE(IsWindowVisible(window));
    ExpectSeenWithValue(watch.Take(), c.storing);
    ASSERT_TRUE(HasTrayIconValue(window));

    if (c.throughIcon) {
      ASSERT_EQ(1u, store_.Count());
      store_.RestoreThroughIcon(store_.Table().At(0));
    } else {
      store_.RestoreAll();
    }
    ASSERT_TRUE(IsWindowVisible(window));
    ExpectSeenWithValue(watch.Take(), {"shown"});
    EXPECT_FALSE(HasTrayIconValue(window)) << "the value outlived the restore";
    EXPECT_EQ(0u, store_.Count());
  }
}
