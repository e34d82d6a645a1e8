// The main window in this process, driven through its tray callbacks while a
// played user types into the menus it opens: what a stored window's menu
// sends goes to that window, and afterwards the emergency menu's commands and
// the settings dialog's notifications are the main window's own again.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/core/Application.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/ThrowawayRegKey.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr DWORD kWaitMs = 3000;
constexpr UINT kApplicationIconMessage = 0x8FA0;

// Keys for the next menu that opens in this thread, posted to it all at once.
std::deque<UINT> g_keys;
// Tray callbacks (message, lParam) posted to the main window before those keys,
// as clicks on icons while the menu is open.
std::vector<std::pair<UINT, LPARAM>> g_clicks;

void CALLBACK TypeIntoOpenMenu(HWND, UINT, UINT_PTR, DWORD) {
  if (g_keys.empty()) return;
  for (HWND menu : FindTopLevelWindows({"#32768", std::nullopt, GetCurrentProcessId()})) {
    if (!IsWindowVisible(menu)) continue;
    for (const auto& click : g_clicks) {
      PostMessageA(AppState().mainWindow, click.first, click.first == kApplicationIconMessage ? 4000 : 5000,
                   click.second);
    }
    g_clicks.clear();
    for (UINT key : g_keys) PostMessageA(menu, WM_KEYDOWN, key, 1);
    g_keys.clear();
    return;
  }
}

class TRecordingMainWindow : public TMainWindow {
 public:
  LRESULT OnCommand(int id, HWND control, int code) override {
    commands.emplace_back(id, code);
    return TMainWindow::OnCommand(id, control, code);
  }
  std::vector<std::pair<int, int>> commands;
};

}  // namespace

TEST(MainWindowCommands, AfterAStoredWindowsMenuWasUsedLaterCommandsReachTheMainWindow) {
  ThrowawayRegKey key;
  ASSERT_TRUE(key.Ok());
  CreateGlobalKeyLists(nullptr, key.Handle());
  DeleteHkcuKey("Software\\Quillon\\Stowpane\\3.x\\TrayIcon");
  // As if started with the system: a start by the user would make this test
  // program start with every later Wine session.
  const TApplicationInfo before = Application();
  TApplicationInfo info = before;
  info.switches.Append("/restore");
  SetApplicationInfo(info);
  const UINT_PTR timer = SetTimer(nullptr, 0, 30, TypeIntoOpenMenu);
  {
    ForeignWindowOptions options;
    options.title = "stored";
    options.menu = true;
    ForeignWindowThread stored(options);

    TRecordingMainWindow main;
    main.RunModeless(0);
    ASSERT_NE(nullptr, main.Handle());

    // Above the tray's own window, which its first icon brought up: the tray
    // menu lists the window first, and Down, Enter stores it.
    ASSERT_TRUE(RaiseAboveOtherWindows(stored.Window(), kWaitMs));
    g_keys = {VK_DOWN, VK_RETURN};
    SendMessageA(main.Handle(), kApplicationIconMessage, 4000, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitUntil([&] { return main.Store().Count() == 1; }, kWaitMs));
    EXPECT_FALSE(IsWindowVisible(stored.Window()));

    // Its icon's left button: the copy of its menu bar; File, New. Clicks on
    // both icons while it is open open nothing, and take the choice from nobody.
    g_clicks = {{kApplicationIconMessage, WM_LBUTTONDOWN}, {0x8000 + 5000, WM_RBUTTONDOWN},
                {0x8000 + 5000, WM_LBUTTONDOWN}};
    g_keys = {VK_DOWN, VK_RIGHT, VK_RETURN};
    PumpMessagesFor(100);
    main.commands.clear();
    SendMessageA(main.Handle(), 0x8000 + 5000, 5000, WM_LBUTTONDOWN);
    EXPECT_TRUE(stored.WaitForCommand(testwindow::kCommandNew, kWaitMs));
    PumpMessagesFor(100);
    EXPECT_TRUE(main.commands.empty()) << "the choice was the stored window's";
    main.commands.clear();

    // Restore all from the emergency menu, and the settings dialog closing.
    SendMessageA(main.Handle(), WM_COMMAND, MAKEWPARAM(107, 0), 0);
    SendMessageA(main.Handle(), WM_COMMAND, MAKEWPARAM(1000, 1), reinterpret_cast<LPARAM>(stored.Window()));
    EXPECT_EQ((std::vector<std::pair<int, int>>{{107, 0}, {1000, 1}}), main.commands);
    EXPECT_EQ(0u, main.Store().Count());
    EXPECT_TRUE(IsWindowVisible(stored.Window()));
    EXPECT_EQ(std::vector<unsigned>{testwindow::kCommandNew}, stored.Commands());
    DestroyWindow(main.Handle());
  }
  KillTimer(nullptr, timer);
  g_keys.clear();
  g_clicks.clear();
  AppState().mainWindow = nullptr;
  AppState().menuCopy.Reset();
  CloseAllModeless();
  DestroyGlobalKeyLists();
  SetApplicationInfo(before);
}
