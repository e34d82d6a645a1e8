// Keys in the tray menu as a user meets them: the menu opened by a real right
// click on the application's icon in Wine's own tray, keys typed through the X
// server to wherever its focus is. Under Wine the click leaves the X focus on
// the tray window of Wine's explorer.exe, where the keys are lost, unless the
// program draws it to a window of its own while the menu tracks.
//
// Suites named RealTray* need Wine's own tray, which the other end-to-end
// tests end for good: they run in their own CTest entry, before those.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"
#include "tests/support/WineTray.h"
#include "tests/support/X11Input.h"

namespace {

// The menu opens only once the system's double-click time has passed after a
// click, so it is waited for, never assumed.
constexpr DWORD kMenuTimeoutMs = 3000;
constexpr DWORD kWaitMs = 5000;
constexpr int kAppIconCell = 0;  // the only icon in the tray
// Farther apart than the double-click rectangle (4 pixels), still on the icon.
constexpr int kClickOffset = 4;
const std::string kVersionTitle = "Stowpane ﾊﾞｰｼﾞｮﾝ情報";

struct KeyChoice {
  const char* name;
  std::vector<std::string> keys;  // xdotool key names
  bool opensVersionWindow;        // else the menu just closes
};

void PrintTo(const KeyChoice& choice, std::ostream* out) { *out << choice.name; }

// What the user had done before opening the menu.
enum class Before { Nothing, MenuClosedByEsc, OtherProgramFocused };
struct Situation {
  const char* name;
  Before before;
};
const Situation kSituations[] = {
    {"first opening since the start", Before::Nothing},
    {"a second opening after Esc closed the first", Before::MenuClosedByEsc},
    {"after another program's window had the focus", Before::OtherProgramFocused},
};

class RealTrayMenuKeys : public ::testing::TestWithParam<KeyChoice> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(stowpane_.Start());
    main_ = stowpane_.WaitForMainWindow();
    ASSERT_NE(nullptr, main_);
    ASSERT_NE(nullptr, WaitForWineTray(kWaitMs)) << "Wine's own tray is gone: run RealTray* before the tests "
                                                    "that end it (their own CTest entry)";
    // The application's icon is drawn in its cell before it is clicked.
    ASSERT_TRUE(WaitUntil([] {
      const std::optional<RECT> icon = WineTrayIcon(kAppIconCell);
      return icon && !IsBlank(CaptureScreen(*icon));
    }, kWaitMs));
  }
  void TearDown() override {
    // A menu the keys did not reach is closed as a user would, by a click elsewhere.
    if (!NoMenuOpen()) Xdotool({"mousemove", "1000", "740", "click", "1"});
    EXPECT_TRUE(stowpane_.Exit());
  }

  DWORD Pid() { return stowpane_.Process().Id(); }

  // Right click on the icon; returns the open menu once typed keys would reach it.
  HWND OpenMenuByRightClick() {
    EXPECT_TRUE(RaiseWineTray());
    const std::optional<POINT> centre = WineTrayCellCentre(kAppIconCell);
    if (!centre) return nullptr;
    // Two clicks at one spot within the double-click time are a double click,
    // which opens the settings instead: each click lands on the other side of the icon.
    const int side = (clicks_++ % 2 == 0) ? -kClickOffset : kClickOffset;
    EXPECT_TRUE(Xdotool({"mousemove", std::to_string(centre->x + side), std::to_string(centre->y), "click", "3"}));
    const HWND menu = WaitForOpenMenu(Pid(), kMenuTimeoutMs);
    if (menu == nullptr) return nullptr;
    EXPECT_TRUE(WaitForXFocusOnProgram("stowpane.exe", kWaitMs)) << "the X focus stayed away from the menu's program";
    return menu;
  }

  // A click on another program's window gives it the X focus and makes it Wine's foreground window.
  void FocusOtherProgram() {
    if (!other_.Window()) {
      ASSERT_TRUE(other_.Start(TestWindowOptions()));
    }
    RECT rect;
    ASSERT_TRUE(GetWindowRect(other_.Window(), &rect));
    ASSERT_TRUE(RaiseAboveOtherWindows(other_.Window(), kWaitMs));
    ASSERT_TRUE(Xdotool({"mousemove", std::to_string((rect.left + rect.right) / 2),
                         std::to_string((rect.top + rect.bottom) / 2), "click", "1"}));
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == other_.Window(); }, kWaitMs));
  }

  void Prepare(Before before) {
    if (before == Before::OtherProgramFocused) FocusOtherProgram();
    if (before == Before::MenuClosedByEsc) {
      const HWND menu = OpenMenuByRightClick();
      ASSERT_NE(nullptr, menu);
      ASSERT_TRUE(Xdotool({"key", "Escape"}));
      ASSERT_TRUE(WaitUntil([&] { return NoMenuOpen(); }, kWaitMs));
    }
  }

  bool NoMenuOpen() { return WaitForOpenMenu(Pid(), 0) == nullptr; }

  StowpaneProcess stowpane_;
  TestWindowProcess other_;
  HWND main_ = nullptr;
  int clicks_ = 0;
};

TEST_P(RealTrayMenuKeys, TypedKeysReachTheMenuOpenedFromWinesTray) {
  const KeyChoice& choice = GetParam();
  const WindowFilter version{kMainWindowClass, kVersionTitle, Pid()};
  for (const Situation& situation : kSituations) {
    SCOPED_TRACE(situation.name);
    ASSERT_NO_FATAL_FAILURE(Prepare(situation.before));
    ASSERT_NE(nullptr, OpenMenuByRightClick());
    std::vector<std::string> arguments = {"key"};
    arguments.insert(arguments.end(), choice.keys.begin(), choice.keys.end());
    ASSERT_TRUE(Xdotool(arguments));
    EXPECT_TRUE(WaitUntil([&] { return NoMenuOpen(); }, kWaitMs)) << "the menu is still open";
    if (choice.opensVersionWindow) {
      const HWND window = WaitForWindow(version, kWaitMs);
      ASSERT_NE(nullptr, window) << "the version item was not chosen";
      PostMessageA(window, WM_CLOSE, 0, 0);
      ASSERT_TRUE(WaitForWindowGone(window, kWaitMs));
    } else {
      EXPECT_TRUE(FindTopLevelWindows(version).empty());
    }
  }
}

// Up from no selection goes to the last item (exit) and once more to the
// version item, whatever windows the menu offers above them.
INSTANTIATE_TEST_SUITE_P(
    Keys, RealTrayMenuKeys,
    ::testing::Values(KeyChoice{"EscCloses", {"Escape"}, false},
                      KeyChoice{"ArrowsAndEnterChoose", {"Up", "Up", "Return"}, true},
                      KeyChoice{"MnemonicChooses", {"a"}, true}),
    [](const ::testing::TestParamInfo<KeyChoice>& info) { return std::string(info.param.name); });

}  // namespace
