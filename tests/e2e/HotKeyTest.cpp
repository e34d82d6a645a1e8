// The global keys pressed as a user presses them: xdotool through the X
// server to the window that has the X focus, with the real Stowpane.exe
// holding the keys. Wine hands a held key to its holder only while one of
// its own windows has the X focus, which is where a user presses it too.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/e2e/StoringFixture.h"
#include "tests/support/X11Input.h"

using namespace storing;

namespace {

constexpr char kStoreKey[] = "ctrl+alt+shift+Down";
constexpr char kRestoreKey[] = "ctrl+alt+shift+Up";
constexpr unsigned kDown = 0x28, kUp = 0x26;

// A window just made is the active one and has the X focus, where a user's
// key goes. (Without a window manager neither moves on a click under Wine.)
bool StartActive(TestWindowProcess& window, const TestWindowOptions& options, int top) {
  if (!window.Start(options)) return false;
  SetWindowPos(window.Window(), nullptr, 300, top, 320, 120, SWP_NOZORDER | SWP_NOACTIVATE);
  return WaitUntil([&] { return GetForegroundWindow() == window.Window(); }, kWaitMs) &&
         WaitForXFocusOnProgram("testwindow.exe", kWaitMs);
}

bool LoggedKey(const TestWindowProcess& window, unsigned key, size_t from) {
  const std::vector<LogLine> events = window.Events();
  for (size_t i = from; i < events.size(); ++i) {
    unsigned long vk = 0;
    if (events[i].word == "KEY" && events[i].Number("vk", &vk) && vk == key) return true;
  }
  return false;
}

// The running copy holds the store key once its start is over: a key pressed
// before then would reach no one that stores.
bool StoreKeyHeld() {
  constexpr int kProbeId = 0x7F01;
  if (!RegisterHotKey(nullptr, kProbeId, MOD_CONTROL | MOD_ALT | MOD_SHIFT, kDown)) return true;
  UnregisterHotKey(nullptr, kProbeId);
  return false;
}

}  // namespace

TEST_F(Storing, GlobalKeysStoreTheActiveWindowAndGiveBackTheLatestFirstAndPassOnWhatTheyCannotUse) {
  // Started while the user types in a window: the hidden program takes no
  // focus. The message answered comes after the start's last step.
  TestWindowProcess typing;
  ASSERT_TRUE(StartActive(typing, Titled("typing"), 0));
  StartStowpane();
  ASSERT_TRUE(WaitUntil(StoreKeyHeld, kWaitMs));
  DWORD_PTR answer = 0;
  ASSERT_NE(0, SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, kWaitMs, &answer));
  EXPECT_EQ(typing.Window(), GetForegroundWindow());
  TestWindowProcess first, second, tool;
  int id = 5000;
  int top = 150;
  for (TestWindowProcess* window : {&first, &second}) {
    ASSERT_TRUE(StartActive(*window, Titled(window == &first ? "first" : "second"), top));
    top += 150;
    ASSERT_TRUE(Xdotool({"key", kStoreKey}));
    WindowState state;
    EXPECT_TRUE(WaitForWindowState(window->Window(), kStored, kWaitMs, &state)) << state;
    EXPECT_TRUE(WaitForIcon(id++, true));
    // The key was the program's: the window never saw it.
    EXPECT_FALSE(LoggedKey(*window, kDown, 0));
  }

  // A tool window is nothing the tray menu offers: it keeps the key.
  TestWindowOptions toolOptions = Titled("tool");
  toolOptions.tool = true;
  ASSERT_TRUE(StartActive(tool, toolOptions, top));
  ASSERT_TRUE(Xdotool({"key", kStoreKey}));
  EXPECT_TRUE(WaitUntil([&] { return LoggedKey(tool, kDown, 0); }, kWaitMs));
  EXPECT_TRUE(IsWindowVisible(tool.Window()));
  EXPECT_EQ(2u, TrayValues().size());

  // Latest first, and each comes back in front.
  for (TestWindowProcess* window : {&second, &first}) {
    ASSERT_TRUE(Xdotool({"key", kRestoreKey}));
    WindowState state;
    EXPECT_TRUE(WaitForWindowState(window->Window(), kShown, kWaitMs, &state)) << state;
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window->Window(); }, kWaitMs));
  }
  EXPECT_TRUE(TrayValues().empty());
  // Nothing left to give back: the window in front gets the key.
  const size_t firstEvents = first.Events().size();
  ASSERT_TRUE(Xdotool({"key", kRestoreKey}));
  EXPECT_TRUE(WaitUntil([&] { return LoggedKey(first, kUp, firstEvents); }, kWaitMs));

  // With the taskbar gone (the emergency window is up) a window stored would
  // get no icon: the store key passes on as the tray menu is not there either.
  tray_.Kill();
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(main_) != FALSE; }, kWaitMs));
  TestWindowProcess third;
  ASSERT_TRUE(StartActive(third, Titled("third"), top + 150));
  ASSERT_TRUE(Xdotool({"key", kStoreKey}));
  EXPECT_TRUE(WaitUntil([&] { return LoggedKey(third, kDown, 0); }, kWaitMs));
  EXPECT_TRUE(IsWindowVisible(third.Window()));
  EXPECT_TRUE(TrayValues().empty());
}
