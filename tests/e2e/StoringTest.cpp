// Storing windows of other programs with the real Stowpane.exe and giving
// them back: through the tray menu and the icons' callbacks, watched through
// the windows' states, the "TrayIcon" values and the stand-in taskbar's log.
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/E2eHarness.h"
#include "tests/support/OpenMenuKeys.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr UINT kAppIconId = 4000;
constexpr UINT kAppIconMessage = 0x8FA0;
constexpr DWORD kWaitMs = 5000;
constexpr DWORD kTimerPeriodMs = 300;

const WindowState kStored{true, false, true, true};
const WindowState kShown{true, true, false, true};

UINT IconMessage(int id) { return 0x8000 + static_cast<UINT>(id); }

std::string ValueName(int id) {
  char name[16];
  std::snprintf(name, sizeof name, "%06d", id);
  return name;
}

// Every test starts with no settings and no stored windows, a stand-in
// taskbar that logs every tray call, and a fast timer.
class Storing : public ::testing::Test {
 protected:
  Storing() : settings_(kApplicationKey) {}
  void SetUp() override {
    ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", kTimerPeriodMs));
    ASSERT_TRUE(tray_.Start());
  }
  void StartStowpane(const std::string& arguments = std::string()) {
    ASSERT_TRUE(stowpane_.Start(arguments));
    main_ = stowpane_.WaitForMainWindow();
    ASSERT_NE(nullptr, main_);
    ASSERT_TRUE(tray_.WaitForRecord(TrayCall("ADD", main_, kAppIconId), kWaitMs));
  }
  // The tray menu opened by a click on the application icon; `keys` typed into it.
  bool UseTrayMenu(const std::vector<UINT>& keys) {
    PostMessageA(main_, kAppIconMessage, kAppIconId, WM_LBUTTONDOWN);
    return PressKeysInOpenMenu(stowpane_.Process().Id(), keys, kWaitMs);
  }
  // The window comes to the front, so it is the first item of the tray menu, and is chosen there.
  bool StoreThroughTrayMenu(HWND window) {
    if (!RaiseToTop(window)) return false;
    return UseTrayMenu({VK_DOWN, VK_RETURN});
  }
  // True once `window` is the topmost visible window that is no tool window.
  static bool RaiseToTop(HWND window) {
    return WaitUntil(
        [&] {
          SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
          for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            if (IsWindowVisible(w) && (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) return w == window;
          }
          return false;
        },
        kWaitMs, 50);
  }
  // The stored windows as the registry lists them: value name -> handle.
  std::map<std::string, HWND> TrayValues() const {
    std::map<std::string, HWND> values;
    for (const std::string& name : HkcuValueNames(kTrayIconKey)) {
      values[name] = reinterpret_cast<HWND>(static_cast<UINT_PTR>(ReadHkcuDword(kTrayIconKey, name).value_or(0)));
    }
    return values;
  }
  std::optional<TrayRecord> IconOf(int id) const { return tray_.FindIcon(main_, static_cast<UINT>(id)); }
  bool WaitForIcon(int id, bool present) const {
    return WaitUntil([&] { return IconOf(id).has_value() == present; }, kWaitMs);
  }

  ClearedHkcuKey settings_;
  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
};

TestWindowOptions Titled(const std::string& title) {
  TestWindowOptions options;
  options.title = title;
  options.windowIcons = testwindow::kBothIcons;
  return options;
}

}  // namespace

TEST_F(Storing, TheTrayMenuStoresRealProgramsWithTheirIconsAndValues) {
  ChildProcess notepad, winemine;
  ASSERT_TRUE(notepad.Start("notepad.exe"));
  ASSERT_TRUE(winemine.Start("winemine.exe"));
  TestWindowProcess ours;
  ASSERT_TRUE(ours.Start(Titled("Save & Exit\tnow")));
  HWND notepadWindow = WaitForWindow({"Notepad", std::nullopt, notepad.Id()}, kWaitMs);
  HWND mineWindow = WaitForWindow({"WineMine", std::nullopt, winemine.Id()}, kWaitMs);
  ASSERT_NE(nullptr, notepadWindow);
  ASSERT_NE(nullptr, mineWindow);
  StartStowpane();

  const HWND windows[] = {notepadWindow, mineWindow, ours.Window()};
  int id = 5000;
  for (HWND window : windows) {
    SCOPED_TRACE(WindowClassName(window));
    std::string title = ReadWindowTitle(window).value_or("?");
    for (char& c : title) c = c == '\t' ? '\xA5' : c;
    ASSERT_TRUE(StoreThroughTrayMenu(window));
    WindowState state;
    EXPECT_TRUE(WaitForWindowState(window, kStored, kWaitMs, &state)) << state;
    ASSERT_TRUE(WaitForIcon(id, true));
    EXPECT_EQ(title.substr(0, 63), IconOf(id)->tip);
    EXPECT_EQ(IconMessage(id), IconOf(id)->callbackMessage);
    EXPECT_EQ(window, TrayValues()[ValueName(id)]);
    ++id;
  }
  EXPECT_EQ(3u, TrayValues().size());

  // Exit gives every window back and leaves nothing behind.
  ASSERT_TRUE(stowpane_.Exit());
  for (HWND window : windows) {
    WindowState state;
    EXPECT_TRUE(WaitForWindowState(window, kShown, kWaitMs, &state)) << state;
  }
  EXPECT_TRUE(TrayValues().empty());
  EXPECT_TRUE(tray_.Icons().empty());
}
