// The global keys in this process: the key message reaching a real main
// window stores the active window and gives windows back latest first; a key
// another window holds already is noticed once and left out.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/keys/HotKeys.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/core/Application.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr DWORD kWaitMs = 3000;

// The main window of a start with the system (a start by the user would make
// this test program start with every later Wine session), on settings of its own.
class HotKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(key_.Ok());
    CreateGlobalKeyLists(nullptr, key_.Handle());
    DeleteHkcuKey("Software\\Quillon\\Stowpane\\3.x\\TrayIcon");
    TApplicationInfo info = before_;
    info.switches.Append("/restore");
    SetApplicationInfo(info);
  }
  void TearDown() override {
    AppState().mainWindow = nullptr;
    CloseAllModeless();
    DestroyGlobalKeyLists();
    SetApplicationInfo(before_);
  }
  static void Press(const TMainWindow& main, THotKeyAction action) {
    SendMessageA(main.Handle(), WM_HOTKEY, static_cast<WPARAM>(action), 0);
  }
  static bool MakeActive(HWND window) {
    return WaitUntil(
        [window] {
          SetForegroundWindow(window);
          return GetForegroundWindow() == window;
        },
        kWaitMs);
  }

  ThrowawayRegKey key_;
  const TApplicationInfo before_ = Application();
};

ForeignWindowOptions Titled(const char* title, bool tool = false) {
  ForeignWindowOptions options;
  options.title = title;
  options.tool = tool;
  return options;
}

// Every visible shape of this process but `main` that holds the text `part`
// in one of its controls.
std::vector<HWND> NoticesNaming(HWND main, const std::string& part) {
  std::vector<HWND> notices;
  for (HWND shape : FindTopLevelWindows({"ShapeClass", std::nullopt, GetCurrentProcessId()})) {
    if (shape == main || !IsWindowVisible(shape)) continue;
    for (HWND child = GetWindow(shape, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
      char text[512] = {};
      GetWindowTextA(child, text, sizeof text);
      if (std::string(text).find(part) != std::string::npos) notices.push_back(shape);
    }
  }
  return notices;
}

// Answers each notice that names the store key as it shows, and counts them.
int g_notices = 0;
HWND g_main = nullptr;
void CALLBACK AnswerNotices(HWND, UINT, UINT_PTR, DWORD) {
  for (HWND notice : NoticesNaming(g_main, "Ctrl + Alt + Shift + ↓")) {
    ++g_notices;
    PostMessageA(notice, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(notice, IDOK)));
  }
}

}  // namespace

TEST_F(HotKeys, TheStoreKeyTakesTheActiveWindowAndTheRestoreKeyGivesBackTheLatestFirst) {
  ForeignWindowThread first(Titled("first")), second(Titled("second")), tool(Titled("tool", true));
  TMainWindow main;
  main.RunModeless(0);
  ASSERT_NE(nullptr, main.Handle());
  EXPECT_TRUE(main.HotKeys().Registered(THotKeyAction::Store));
  EXPECT_TRUE(main.HotKeys().Registered(THotKeyAction::Restore));

  for (HWND window : {first.Window(), second.Window()}) {
    ASSERT_TRUE(MakeActive(window));
    const size_t before = main.Store().Count();
    Press(main, THotKeyAction::Store);
    EXPECT_EQ(before + 1, main.Store().Count());
    EXPECT_FALSE(IsWindowVisible(window));
  }
  // A tool window is nothing the tray menu offers: the key stores nothing,
  // and holds on to nothing either.
  ASSERT_TRUE(MakeActive(tool.Window()));
  Press(main, THotKeyAction::Store);
  EXPECT_EQ(2u, main.Store().Count());
  EXPECT_TRUE(IsWindowVisible(tool.Window()));
  EXPECT_TRUE(main.HotKeys().Registered(THotKeyAction::Store));

  for (HWND expected : {second.Window(), first.Window()}) {
    Press(main, THotKeyAction::Restore);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(expected) != FALSE; }, kWaitMs));
  }
  EXPECT_EQ(0u, main.Store().Count());
  // Nothing left to give back: the key is passed on and asked for again.
  Press(main, THotKeyAction::Restore);
  EXPECT_TRUE(main.HotKeys().Registered(THotKeyAction::Restore));
  // Released before the program ends, so that another copy or program may have them.
  DestroyWindow(main.Handle());
  HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  EXPECT_TRUE(RegisterHotKey(probe, 1, kDefaultStoreHotKey.modifiers, kDefaultStoreHotKey.key));
  UnregisterHotKey(probe, 1);
  DestroyWindow(probe);
}

TEST_F(HotKeys, AKeyAnotherProgramHoldsIsNoticedOnceAndLeftOut) {
  HWND holder = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(RegisterHotKey(holder, 7, kDefaultStoreHotKey.modifiers, kDefaultStoreHotKey.key));
  g_notices = 0;
  g_main = nullptr;
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, AnswerNotices);
  {
    TMainWindow main;
    main.RunModeless(0);
    ASSERT_NE(nullptr, main.Handle());
    g_main = main.Handle();
    EXPECT_EQ(1, g_notices);
    EXPECT_FALSE(main.HotKeys().Registered(THotKeyAction::Store));
    EXPECT_TRUE(main.HotKeys().Registered(THotKeyAction::Restore));
    // OK in the settings with the keys unchanged: no second notice.
    SendMessageA(main.Handle(), WM_COMMAND, MAKEWPARAM(1000, 1), 0);
    PumpMessagesFor(200);
    EXPECT_EQ(1, g_notices);
    DestroyWindow(main.Handle());
  }
  KillTimer(nullptr, timer);
  UnregisterHotKey(holder, 7);
  DestroyWindow(holder);
}

// A changed key is let go and the new one taken; a key switched off is let go.
TEST_F(HotKeys, AChangedKeyIsRegisteredAnewAndTheOldOneFreed) {
  HWND owner = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  HWND probe = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  // Whether another window could have the key now.
  auto free = [probe](THotKey key) {
    if (!RegisterHotKey(probe, 9, key.modifiers, key.key)) return false;
    UnregisterHotKey(probe, 9);
    return true;
  };
  const THotKey f11{kHotKeyControl | kHotKeyAlt, VK_F11};
  {
    THotKeys keys;
    keys.Apply(owner, kDefaultStoreHotKey, kDefaultRestoreHotKey, nullptr);
    EXPECT_FALSE(free(kDefaultStoreHotKey));
    keys.Apply(owner, f11, THotKey{}, nullptr);
    EXPECT_TRUE(free(kDefaultStoreHotKey));
    EXPECT_TRUE(free(kDefaultRestoreHotKey));
    EXPECT_FALSE(free(f11));
    EXPECT_TRUE(keys.Registered(THotKeyAction::Store));
    EXPECT_FALSE(keys.Registered(THotKeyAction::Restore));
    // Swapped: each takes the key the other held a moment ago.
    keys.Apply(owner, kDefaultStoreHotKey, f11, nullptr);
    keys.Apply(owner, f11, kDefaultStoreHotKey, nullptr);
    EXPECT_TRUE(keys.Registered(THotKeyAction::Store));
    EXPECT_TRUE(keys.Registered(THotKeyAction::Restore));
    EXPECT_FALSE(free(f11));
    EXPECT_FALSE(free(kDefaultStoreHotKey));
  }
  EXPECT_TRUE(free(f11)) << "the keys go with their holder";
  DestroyWindow(probe);
  DestroyWindow(owner);
}
