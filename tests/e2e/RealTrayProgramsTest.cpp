// Real programs stored in Wine's own tray, seen and clicked as a user does:
// the icons on screen, real clicks through the X server. Wine hands no
// program another's window icons or menus, so these are the paths a user of
// Stowpane under Wine always takes.
//
// Suites named RealTray* need Wine's own tray, which the other end-to-end
// tests end for good: they run in their own CTest entry, before those.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/StoringFixture.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/E2eHarness.h"
#include "tests/support/HarnessPaths.h"
#include "tests/support/OpenMenuKeys.h"
#include "tests/support/StowpaneProcess.h"
#include "tests/support/WineTray.h"
#include "tests/support/X11Input.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr int kAppIconCell = 0;
constexpr int kProgramLeft = 400;
constexpr int kProgramTop = 300;
using storing::kAppIconId;
using storing::kAppIconMessage;
using storing::kShown;
using storing::kStored;

// The program's first shown window with a caption.
HWND ShownWindowOf(DWORD processId) {
  for (HWND window : FindTopLevelWindows({std::string(), std::nullopt, processId})) {
    if (IsWindowVisible(window) && (GetWindowLongA(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) return window;
  }
  return nullptr;
}

class RealTrayPrograms : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(stowpane_.Start());
    main_ = stowpane_.WaitForMainWindow();
    ASSERT_NE(nullptr, main_);
    ASSERT_NE(nullptr, WaitForWineTray(kWaitMs)) << "Wine's own tray is gone: run RealTray* on their own";
    ASSERT_TRUE(MovePointerAway());
    ASSERT_TRUE(WaitForIcon(kAppIconCell));
  }
  void TearDown() override {
    if (WaitForOpenMenu(Pid(), 0) != nullptr) Xdotool({"mousemove", "1000", "740", "click", "1"});
    EXPECT_TRUE(stowpane_.Exit());
  }
  DWORD Pid() { return stowpane_.Process().Id(); }

  // Starts `commandLine` and returns its window once shown, away from the
  // tray's corner: Wine raises the tray for Win32 before X shows it raised,
  // and a window over it would be captured instead of its icons.
  HWND StartProgram(ChildProcess& program, const std::string& commandLine) {
    if (!program.Start(commandLine)) return nullptr;
    HWND window = nullptr;
    WaitUntil([&] { return (window = ShownWindowOf(program.Id())) != nullptr; }, kWaitMs);
    if (window == nullptr) return nullptr;
    SetWindowPos(window, nullptr, kProgramLeft, kProgramTop, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
    RECT rect{};
    const bool moved =
        WaitUntil([&] { return GetWindowRect(window, &rect) && rect.left == kProgramLeft && rect.top == kProgramTop; },
                  kWaitMs);
    return moved ? window : nullptr;
  }
  // The window comes to the front, so it is the first item of the tray menu,
  // and is chosen there; it is then hidden and its icon is in cell `cell`.
  void Store(HWND window, int cell) {
    ASSERT_TRUE(RaiseAboveOtherWindows(window, kWaitMs));
    PostMessageA(main_, kAppIconMessage, kAppIconId, WM_RBUTTONDOWN);
    ASSERT_TRUE(PressKeysInOpenMenu(Pid(), {VK_DOWN, VK_RETURN}, kWaitMs));
    ASSERT_TRUE(WaitForWindowState(window, kStored, kWaitMs));
    ASSERT_TRUE(WaitForIcon(cell));
  }
  // What cell `cell` shows, the tray raised above every window first.
  ScreenPixels IconImage(int cell) {
    if (!RaiseWineTray()) return ScreenPixels();
    const std::optional<RECT> icon = WineTrayIcon(cell);
    return icon ? CaptureScreen(*icon) : ScreenPixels();
  }
  bool WaitForIcon(int cell) {
    return WaitUntil([&] { return !IsBlank(IconImage(cell)); }, kWaitMs);
  }
  // A pointer resting on the tray shows an icon's tip over it, and the tray
  // then never comes out on top to be captured.
  static bool MovePointerAway() { return Xdotool({"mousemove", "1000", "740"}); }
  // Clicks the cell `repeat` times, then takes the pointer away.
  bool ClickCell(int cell, int repeat) {
    if (!RaiseWineTray()) return false;
    const std::optional<POINT> centre = WineTrayCellCentre(cell);
    if (!centre) return false;
    return Xdotool({"mousemove", std::to_string(centre->x), std::to_string(centre->y), "click", "--repeat",
                    std::to_string(repeat), "--delay", "80", "1", "mousemove", "1000", "740"});
  }

  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
};

// Each stored program shows its own program's icon, not the system's generic
// one (which a program without icons shows); giving one back by a double
// click leaves the others' images in place.
TEST_F(RealTrayPrograms, StoredProgramsShowTheirOwnIconsAndKeepThemWhenOneGoes) {
  ChildProcess notepad, winemine, iconless;
  const HWND notepadWindow = StartProgram(notepad, "notepad.exe");
  const HWND winemineWindow = StartProgram(winemine, "winemine.exe");
  const HWND iconlessWindow = StartProgram(iconless, "\"" + ProgramPath("iconless.exe") + "\" window");
  ASSERT_NE(nullptr, notepadWindow);
  ASSERT_NE(nullptr, winemineWindow);
  ASSERT_NE(nullptr, iconlessWindow);
  ASSERT_NO_FATAL_FAILURE(Store(notepadWindow, 1));
  ASSERT_NO_FATAL_FAILURE(Store(winemineWindow, 2));
  ASSERT_NO_FATAL_FAILURE(Store(iconlessWindow, 3));
  const ScreenPixels notepadIcon = IconImage(1), winemineIcon = IconImage(2), generic = IconImage(3);
  EXPECT_FALSE(SameImage(notepadIcon, generic)) << "notepad shows the generic icon";
  EXPECT_FALSE(SameImage(winemineIcon, generic)) << "winemine shows the generic icon";
  EXPECT_FALSE(SameImage(notepadIcon, winemineIcon)) << "two programs look alike";

  ASSERT_TRUE(ClickCell(1, 2));
  ASSERT_TRUE(WaitForWindowState(notepadWindow, kShown, kWaitMs));
  // Notepad's cell goes; the others move up one, each with its image.
  EXPECT_TRUE(WaitUntil([&] { return SameImage(IconImage(1), winemineIcon); }, kWaitMs))
      << "winemine's icon, a cell up, shows no image";
  EXPECT_TRUE(WaitUntil([&] { return SameImage(IconImage(2), generic); }, kWaitMs))
      << "the generic icon, a cell up, shows no image";
  EXPECT_FALSE(IsBlank(IconImage(kAppIconCell))) << "the program's own image is gone";
}

// A stored program's menus cannot be read here: its icon opens the program's
// own menu, whose give back and close work from the keyboard.
TEST_F(RealTrayPrograms, AStoredProgramsIconOffersGiveBackAndClose) {
  ChildProcess notepad;
  const HWND window = StartProgram(notepad, "notepad.exe");
  ASSERT_NE(nullptr, window);
  struct Step {
    const char* key;
    bool closes;
    const char* reason;
  } steps[] = {{"r", false, "give back"}, {"c", true, "close"}};
  for (const Step& step : steps) {
    SCOPED_TRACE(step.reason);
    ASSERT_NO_FATAL_FAILURE(Store(window, 1));
    ASSERT_TRUE(ClickCell(1, 1));
    ASSERT_NE(nullptr, WaitForOpenMenu(Pid(), kWaitMs)) << "a single click opened no menu";
    ASSERT_TRUE(WaitForXFocusOnProgram("stowpane.exe", kWaitMs));
    ASSERT_TRUE(Xdotool({"key", step.key}));
    ASSERT_TRUE(WaitUntil([&] { return WaitForOpenMenu(Pid(), 0) == nullptr; }, kWaitMs));
    if (!step.closes) {
      ASSERT_TRUE(WaitForWindowState(window, kShown, kWaitMs));
    }
  }
  // An untouched notepad closes without asking.
  EXPECT_TRUE(notepad.WaitForExit(kWaitMs)) << "not closed through SC_CLOSE";
  EXPECT_TRUE(WaitUntil([&] { return IsBlank(IconImage(1)); }, kWaitMs)) << "its icon outlived it";
}

// A double click on the program's icon opens the settings, and no menu is
// left open: the first click's menu waits for the double-click time.
TEST_F(RealTrayPrograms, ADoubleClickOnTheProgramsIconOpensTheSettingsAndNoMenu) {
  ASSERT_TRUE(ClickCell(kAppIconCell, 2));
  const HWND settings = WaitForWindow({kMainWindowClass, std::string("自動ｱｲｺﾝ化設定"), Pid()}, kWaitMs);
  ASSERT_NE(nullptr, settings);
  EXPECT_EQ(nullptr, WaitForOpenMenu(Pid(), GetDoubleClickTime() + 500)) << "a menu opened as well";
  PostMessageA(settings, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
  EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(settings); }, kWaitMs));
}

}  // namespace
