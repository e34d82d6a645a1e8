// The menus of stored windows, shown for "foreign" windows of another thread
// (Wine cannot read another process's menus) by a hidden stand-in for the main
// window, while a played user chooses inside the menu's own loop.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/traymenus/GiveBackMenu.h"
#include "app/traymenus/StoredWindowMenus.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr DWORD kWaitMs = 3000;
constexpr UINT_PTR kUserTimer = 1;
constexpr POINT kAt = {120, 120};

// The user at the keyboard of an open menu: in each menu that opens, moves
// down until the item at the next position of `path` is lit and presses
// Enter; with an empty path, presses Esc. After three seconds it closes the
// menu, so that a menu that does not react fails the test instead of hanging it.
struct PlayedUser {
  std::vector<int> path;
  std::function<void(HMENU)> look;  // sees the first menu once it is open
  HMENU current = nullptr;          // the last menu that opened
  size_t level = 0;
  int ticks = 0;
};
PlayedUser g_user;
std::vector<unsigned> g_ownCommands;  // WM_COMMAND ids the stand-in handled itself

int LitPosition(HMENU menu) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuState(menu, i, MF_BYPOSITION) & MF_HILITE) return i;
  return -1;
}

void PlayUser(HWND standIn) {
  if (g_user.current == nullptr) return;
  if (++g_user.ticks > 150) {
    EndMenu();
    return;
  }
  if (g_user.look) {
    g_user.look(g_user.current);
    g_user.look = nullptr;
  }
  if (g_user.path.empty()) {
    PostMessageA(standIn, WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (g_user.level < g_user.path.size()) {
    const bool there = LitPosition(g_user.current) == g_user.path[g_user.level];
    PostMessageA(standIn, WM_KEYDOWN, there ? VK_RETURN : VK_DOWN, 0);
    if (there) ++g_user.level;
  }
}

// What the main window does with menu messages, and nothing else.
LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (RouteMenuMessage(message, wParam, lParam, result)) return result;
  switch (message) {
    case kTrackedMenuClosedMessage:
      ForgetMenuTarget();
      return 0;
    case WM_COMMAND:
      g_ownCommands.push_back(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP:
      g_user.current = reinterpret_cast<HMENU>(wParam);
      return 0;
    case WM_TIMER:
      if (wParam == kUserTimer) PlayUser(window);
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

ForeignWindowOptions Stored(bool menu) {
  ForeignWindowOptions options;
  options.className = "StowpaneMenuTarget";
  options.menu = menu;
  options.visible = false;  // stored windows are hidden
  return options;
}

int PositionOf(HMENU menu, UINT command) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i)
    if (GetMenuItemID(menu, i) == command) return i;
  return -1;
}

// Item counts of a menu and of every menu below it, depth first; -1 for a
// menu that is gone.
std::vector<int> MenuTreeCounts(HMENU menu) {
  std::vector<int> counts{IsMenu(menu) ? GetMenuItemCount(menu) : -1};
  for (int i = 0; i < counts[0]; ++i)
    if (HMENU sub = GetSubMenu(menu, i)) {
      const std::vector<int> below = MenuTreeCounts(sub);
      counts.insert(counts.end(), below.begin(), below.end());
    }
  return counts;
}

class StoredWindowMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "StowpaneMenuStandIn";
    RegisterClassA(&windowClass);
    // Hidden and disabled, as the main window is.
    standIn_ = CreateWindowExA(0, windowClass.lpszClassName, "", WS_POPUP | WS_DISABLED, 0, 0, 0, 0, nullptr,
                               nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(nullptr, standIn_);
    AppState().mainWindow = standIn_;
    g_user = PlayedUser();
    g_ownCommands.clear();
  }
  void TearDown() override {
    AppState().menuCopy.Reset();
    ForgetMenuTarget();
    AppState().mainWindow = nullptr;
    DestroyWindow(standIn_);
  }
  // Shows a menu with `show` while the played user acts on it, then lets the
  // posted messages reach the stand-in.
  TStoredMenu Show(TStoredMenu (*show)(HWND, POINT), HWND window, std::vector<int> path,
                   std::function<void(HMENU)> look = nullptr) {
    g_user = PlayedUser();
    g_user.path = std::move(path);
    g_user.look = std::move(look);
    SetTimer(standIn_, kUserTimer, 20, nullptr);
    const TStoredMenu shown = show(window, kAt);
    KillTimer(standIn_, kUserTimer);
    EXPECT_EQ(shown == TStoredMenu::Shown, g_user.current != nullptr) << "a menu opened exactly when one was shown";
    if (shown == TStoredMenu::Shown) {
      EXPECT_TRUE(WaitUntil([] { return AppState().menuTarget == nullptr; }, kWaitMs));
    }
    return shown;
  }
  HWND standIn_ = nullptr;
};

}  // namespace

// The window's own system menu offers Restore alone, as its default; the
// choice reaches the window as the system command it names.
TEST_F(StoredWindowMenus, SystemMenuOffersRestoreAndSendsTheChoiceAsSystemCommand) {
  struct Case {
    UINT command;
    bool closes;
    const char* reason;
  } cases[] = {
      {SC_RESTORE, false, "the default item gives the window back"},
      {SC_CLOSE, true, "Close is carried out by the window as its own"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    ForeignWindowThread foreign(Stored(false));
    const HWND window = foreign.Window();
    ASSERT_NE(nullptr, window);
    const HMENU system = GetSystemMenu(window, FALSE);
    const auto look = [&](HMENU open) {
      EXPECT_EQ(system, open) << "the window's own menu, not a copy";
      const struct {
        UINT command;
        bool grayed;
      } states[] = {{SC_RESTORE, false}, {SC_MAXIMIZE, true}, {SC_MINIMIZE, true}, {SC_MOVE, true}, {SC_SIZE, true}};
      for (const auto& s : states)
        EXPECT_EQ(s.grayed, (GetMenuState(open, s.command, MF_BYCOMMAND) & MF_GRAYED) != 0) << std::hex << s.command;
      EXPECT_EQ(static_cast<UINT>(SC_RESTORE), GetMenuDefaultItem(open, FALSE, 0));
    };
    const int position = PositionOf(system, c.command);
    ASSERT_GE(position, 0);
    ASSERT_EQ(TStoredMenu::Shown, Show(ShowStoredSystemMenu, window, {position}, look));
    EXPECT_TRUE(WaitUntil([&] { return foreign.SysCommands() == std::vector<unsigned>{c.command}; }, kWaitMs));
    EXPECT_EQ(c.closes, WaitForWindowGone(window, c.closes ? kWaitMs : 0));
    EXPECT_TRUE(g_ownCommands.empty());
  }
}

// The copy's top-level items lead into the window's own drop-down menus, so a
// command chosen two levels down is the window's; replacing or discarding the
// copy leaves the window's menus as they were. Once the menu has closed, a
// command is the main window's own again.
TEST_F(StoredWindowMenus, MenuBarCopyLeadsIntoTheWindowsOwnMenusAndLeavesThemIntact) {
  ForeignWindowThread foreign(Stored(true));
  const HWND window = foreign.Window();
  ASSERT_NE(nullptr, window);
  const HMENU bar = GetMenu(window);
  const std::vector<int> counts = MenuTreeCounts(bar);
  ASSERT_EQ(3, counts[0]);
  // Edit, More..., the second item.
  ASSERT_EQ(TStoredMenu::Shown, Show(ShowStoredMenuBarCopy, window, {1, 3, 1}));
  EXPECT_TRUE(foreign.WaitForCommand(testwindow::kCommandSubSecond, kWaitMs));
  EXPECT_TRUE(g_ownCommands.empty());
  const HMENU first = AppState().menuCopy.Get();
  ASSERT_EQ(3, GetMenuItemCount(first));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(GetSubMenu(bar, i), GetSubMenu(first, i)) << i;
    char mine[64] = {}, theirs[64] = {};
    GetMenuStringA(first, i, mine, sizeof mine, MF_BYPOSITION);
    GetMenuStringA(bar, i, theirs, sizeof theirs, MF_BYPOSITION);
    EXPECT_STREQ(theirs, mine) << i;
  }
  SendMessageA(standIn_, WM_COMMAND, 77, 0);
  EXPECT_EQ(std::vector<unsigned>{77}, g_ownCommands) << "a later command, as from a dialog, is the main window's";

  ASSERT_EQ(TStoredMenu::Shown, Show(ShowStoredMenuBarCopy, window, {}));
  const HMENU second = AppState().menuCopy.Get();
  EXPECT_FALSE(IsMenu(first));
  EXPECT_EQ(counts, MenuTreeCounts(bar)) << "after the next build";
  AppState().menuCopy.Reset();
  EXPECT_FALSE(IsMenu(second));
  EXPECT_EQ(counts, MenuTreeCounts(bar)) << "at the end";
  EXPECT_EQ(std::vector<unsigned>{testwindow::kCommandSubSecond}, foreign.Commands());
}

// Another program cannot draw into our menu, and a 64-bit one would get its
// item data back cut to 32 bits: its owner-drawn items show their text (or
// "(項目)" when they have none) and keep their commands, and it is never
// asked to measure or draw them.
TEST_F(StoredWindowMenus, OwnerDrawnItemsOfTheWindowShowTheirTextAndKeepTheirCommands) {
  ForeignWindowThread foreign(Stored(true));
  const HWND window = foreign.Window();
  ASSERT_NE(nullptr, window);
  const HMENU bar = GetMenu(window);
  constexpr UINT kWithoutText = 0x7A01;
  constexpr ULONG_PTR kProgramsData = 0x5A5A5A5A;
  ASSERT_TRUE(AppendMenuA(bar, MF_OWNERDRAW, kWithoutText, reinterpret_cast<LPCSTR>(kProgramsData)));
  ASSERT_EQ(TStoredMenu::Shown, Show(ShowStoredMenuBarCopy, window, {}));
  const HMENU copy = AppState().menuCopy.Get();
  char text[64] = {};
  GetMenuStringA(copy, 3, text, sizeof text, MF_BYPOSITION);
  EXPECT_STREQ("(項目)", text);
  EXPECT_EQ(kWithoutText, GetMenuItemID(copy, 3));
  EXPECT_EQ(0u, GetMenuState(copy, 3, MF_BYPOSITION) & MF_OWNERDRAW);
  EXPECT_EQ(0, foreign.OwnerDrawRequests());

  // File, New: drawn by its program, its text kept. (Chosen, the window is
  // activated and draws its own bar: the bar's item goes first.)
  ASSERT_TRUE(RemoveMenu(bar, 3, MF_BYPOSITION));
  MENUITEMINFOA drawn{};
  drawn.cbSize = sizeof drawn;
  drawn.fMask = MIIM_FTYPE | MIIM_DATA;
  drawn.fType = MFT_OWNERDRAW;
  drawn.dwItemData = kProgramsData;
  ASSERT_TRUE(SetMenuItemInfoA(GetSubMenu(bar, 0), 0, TRUE, &drawn));
  ASSERT_EQ(TStoredMenu::Shown, Show(ShowStoredMenuBarCopy, window, {0, 0}));
  EXPECT_TRUE(foreign.WaitForCommand(testwindow::kCommandNew, kWaitMs));
  EXPECT_EQ(0, foreign.OwnerDrawRequests());
}

// No menu of the window is shown, and the answer comes within the probe's
// time-out. Only a window that answers but has no menu to show leaves the
// caller its own menu to offer.
TEST_F(StoredWindowMenus, ShowsNothingForHungGoneOrBarlessWindows) {
  struct Case {
    TStoredMenu (*show)(HWND, POINT);
    bool menu;
    bool hung;
    bool gone;
    TStoredMenu expected;
    const char* reason;
  } cases[] = {
      {ShowStoredSystemMenu, true, true, false, TStoredMenu::Unanswered, "a hung window's system menu would hang with it"},
      {ShowStoredMenuBarCopy, true, true, false, TStoredMenu::Unanswered, "a hung window's menu bar, likewise"},
      {ShowStoredMenuBarCopy, false, false, false, TStoredMenu::Unreadable, "a window without a menu bar has nothing to copy"},
      {ShowStoredSystemMenu, false, false, true, TStoredMenu::Unanswered, "a window that has gone"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    auto foreign = std::make_unique<ForeignWindowThread>(Stored(c.menu));
    const HWND window = foreign->Window();
    ASSERT_NE(nullptr, window);
    if (c.hung) {
      ASSERT_TRUE(foreign->Hang(3000));
    }
    if (c.gone) foreign.reset();
    const DWORD start = GetTickCount();
    EXPECT_EQ(c.expected, Show(c.show, window, {}));
    EXPECT_LT(GetTickCount() - start, kMenuProbeTimeoutMs + 700);
    EXPECT_EQ(nullptr, AppState().menuTarget);
  }
}

// The program's own menu for a window whose menus cannot be read: the title
// as a grayed one-line header, give back as the default, close. The choice
// comes back to the caller; nothing is posted to the main window or routed on.
TEST_F(StoredWindowMenus, GiveBackMenuOffersGiveBackAndCloseUnderTheTitle) {
  struct Case {
    std::vector<int> path;
    TGiveBackChoice expected;
    const char* reason;
  } cases[] = {
      {{2}, TGiveBackChoice::GiveBack, "give back"},
      {{3}, TGiveBackChoice::Close, "close"},
      {{}, TGiveBackChoice::None, "Esc chooses nothing"},
  };
  AppState().menuTarget = reinterpret_cast<HWND>(0x1234);  // left from a stored window's menu
  for (const Case& c : cases) {
    SCOPED_TRACE(c.reason);
    g_user = PlayedUser();
    g_user.path = c.path;
    g_user.look = [](HMENU open) {
      char header[64] = {};
      GetMenuStringA(open, 0, header, sizeof header, MF_BYPOSITION);
      EXPECT_STREQ("Doc && notes\xA5" "draft", header);
      EXPECT_NE(0u, GetMenuState(open, 0, MF_BYPOSITION) & MF_GRAYED);
      EXPECT_EQ(static_cast<UINT>(GetMenuItemID(open, 2)), GetMenuDefaultItem(open, FALSE, 0));
    };
    SetTimer(standIn_, kUserTimer, 20, nullptr);
    const TGiveBackChoice choice = ShowGiveBackMenu("Doc & notes\tdraft", kAt);
    KillTimer(standIn_, kUserTimer);
    ASSERT_NE(nullptr, g_user.current) << "the menu opened";
    EXPECT_EQ(c.expected, choice);
    EXPECT_EQ(nullptr, AppState().menuTarget) << "nothing of it is routed to a stored window";
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    EXPECT_TRUE(g_ownCommands.empty());
  }
}

// A title of any length makes a header of one short line that never ends in
// half a character or in an ampersand that would underline the dots.
TEST(GiveBackMenuHeader, IsOneShortLineOfWholeCharacters) {
  std::string kana;
  for (int i = 0; i < 100; ++i) kana += "\x82\xA0";  // あ
  struct Case {
    std::string title;
    std::string expected;
  } cases[] = {
      {"Notes", "Notes"},
      {"a\r\nb", "a\xA5\xA5" "b"},
      {kana, kana.substr(0, 60) + "\x81\x63"},
      {"x" + kana, "x" + kana.substr(0, 58) + "\x81\x63"},
      {std::string(59, 'x') + "&y", std::string(59, 'x') + "\x81\x63"},
      {std::string(58, 'x') + "&y", std::string(58, 'x') + "&&\x81\x63"},
      {std::string(57, 'x') + "&&", std::string(57, 'x') + "&&\x81\x63"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.expected, GiveBackMenuHeader(TString(c.title)).Bytes()) << c.title.size();
  }
}
