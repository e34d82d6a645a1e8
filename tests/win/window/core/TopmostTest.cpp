// MakeTopmost against real windows: an owner that owns a closed dialog and an
// open question, as the main window does when it stands in for the taskbar.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "framework/window/core/Topmost.h"

namespace {

const char kClassName[] = "StowpaneTopmostTest";
constexpr DWORD kOwnedStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;

bool IsTopmost(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// Whether `upper` comes before `lower` among the top-level windows.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND w = GetWindow(lower, GW_HWNDPREV); w != nullptr; w = GetWindow(w, GW_HWNDPREV)) {
    if (w == upper) return true;
  }
  return false;
}

// Top-level windows of one case, destroyed with it.
class TCaseWindows {
 public:
  TCaseWindows() {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);  // fails harmlessly when an earlier case registered it
  }
  ~TCaseWindows() {
    for (auto each = windows_.rbegin(); each != windows_.rend(); ++each) DestroyWindow(*each);
  }
  TCaseWindows(const TCaseWindows&) = delete;
  TCaseWindows& operator=(const TCaseWindows&) = delete;

  HWND Make(const char* title, DWORD style, HWND owner, bool shown) {
    HWND window = CreateWindowExA(0, kClassName, title, style, 100, 100, 300, 200, owner, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr && shown) ShowWindow(window, SW_SHOWNORMAL);
    windows_.push_back(window);
    return window;
  }

 private:
  std::vector<HWND> windows_;
};

}  // namespace

TEST(MakeTopmost, PutsAnOwnerAboveNormalWindowsAndLeavesItsClosedWindowsOutOfTheTop) {
  const struct Case {
    const char* reason;
    bool ownsClosed;
    bool ownsOpen;
    bool openOwnsClosed;
  } cases[] = {
      {"owns nothing", false, false, false},
      {"owns a closed dialog, as the main window owns its settings", true, false, false},
      {"owns an open question", false, true, false},
      {"owns both", true, true, false},
      {"its open question owns a closed dialog in turn", true, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    TCaseWindows windows;
    HWND normal = windows.Make("normal", WS_OVERLAPPEDWINDOW, nullptr, true);
    HWND owner = windows.Make("owner", WS_OVERLAPPEDWINDOW, nullptr, false);
    HWND closed = c.ownsClosed ? windows.Make("closed", kOwnedStyle, owner, false) : nullptr;
    HWND open = c.ownsOpen ? windows.Make("open", kOwnedStyle, owner, true) : nullptr;
    HWND closedOfOpen = c.openOwnsClosed ? windows.Make("closed of open", kOwnedStyle, open, false) : nullptr;
    ASSERT_NE(nullptr, normal);
    ASSERT_NE(nullptr, owner);
    // Shown after its windows exist, as the emergency window is.
    ShowWindow(owner, SW_SHOWNORMAL);

    EXPECT_TRUE(MakeTopmost(owner));
    EXPECT_TRUE(IsTopmost(owner));
    // Always on top: a normal window brought to the front stays below it.
    SetForegroundWindow(normal);
    SetWindowPos(normal, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_TRUE(IsAbove(owner, normal));
    if (open != nullptr) {
      EXPECT_EQ(owner, GetWindow(open, GW_OWNER));
      EXPECT_TRUE(IsTopmost(open)) << "an open question is not hidden behind its owner";
      EXPECT_TRUE(IsAbove(open, owner));
    }
    if (closedOfOpen != nullptr) {
      EXPECT_EQ(open, GetWindow(closedOfOpen, GW_OWNER));
      EXPECT_FALSE(IsTopmost(closedOfOpen));
    }
    if (closed != nullptr) {
      EXPECT_EQ(owner, GetWindow(closed, GW_OWNER));
      EXPECT_FALSE(IsWindowVisible(closed));
      EXPECT_FALSE(IsTopmost(closed)) << "it would stay on top once opened, whatever its owner";
      // Opened later, it comes in front of its owner, not behind it.
      ShowWindow(closed, SW_SHOWNORMAL);
      EXPECT_TRUE(IsAbove(closed, owner));
    }
  }
}

TEST(MakeTopmost, AnswersFalseForAWindowThatIsGone) {
  HWND gone = nullptr;
  {
    TCaseWindows windows;
    gone = windows.Make("gone", WS_OVERLAPPEDWINDOW, nullptr, false);
    ASSERT_NE(nullptr, gone);
  }
  EXPECT_FALSE(MakeTopmost(gone));
  EXPECT_FALSE(MakeTopmost(nullptr));
}
