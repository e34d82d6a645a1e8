// In-process foreign windows: their icons and menus can be read (which Wine
// does not allow across processes), commands reach them, and a hang blocks
// bounded sends yet ends early when the test is done with the window.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/E2eHarness.h"
#include "tests/support/SolidIcons.h"

namespace {

using namespace testwindow;

HICON GetIconBounded(HWND window, WPARAM kind) {
  DWORD_PTR icon = 0;
  if (!SendMessageTimeoutA(window, WM_GETICON, kind, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 100, &icon)) return nullptr;
  return reinterpret_cast<HICON>(icon);
}

long ColourOf(HICON icon) { return icon ? SolidIconColour(icon) : -1; }

struct IconCase {
  const char* name;
  unsigned windowIcons;
  unsigned classIcons;
  long small, big, classSmall, classBig;  // centre colours, -1 = no icon
};

TEST(HarnessForeignWindow, IconsAreReadableInProcess) {
  const long red = 0xFF0000, blue = 0x0000FF, none = -1;
  const IconCase cases[] = {
      {"none", kNoIcons, kNoIcons, none, none, none, none},
      {"window small", kSmallIcon, kNoIcons, red, none, none, none},
      {"window both", kBothIcons, kNoIcons, red, blue, none, none},
      {"class both", kNoIcons, kBothIcons, none, none, red, blue},
      {"window and class", kBothIcons, kBothIcons, red, blue, red, blue},
  };
  int serial = 0;
  for (const IconCase& c : cases) {
    SCOPED_TRACE(c.name);
    ForeignWindowOptions options;
    options.className = "HarnessIcons" + std::to_string(++serial);
    options.windowIcons = c.windowIcons;
    options.classIcons = c.classIcons;
    ForeignWindowThread foreign(options);
    HWND window = foreign.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_NE(foreign.ThreadId(), GetCurrentThreadId());
    EXPECT_EQ(ColourOf(GetIconBounded(window, ICON_SMALL)), c.small);
    EXPECT_EQ(ColourOf(GetIconBounded(window, ICON_BIG)), c.big);
    EXPECT_EQ(ColourOf(reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM))), c.classSmall);
    EXPECT_EQ(ColourOf(reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON))), c.classBig);
    if (c.windowIcons & kSmallIcon) {
      EXPECT_EQ(GetIconBounded(window, ICON_SMALL), foreign.SmallIcon());
    }
  }
}

TEST(HarnessForeignWindow, IconsCanChangeWhileTheWindowLives) {
  ForeignWindowOptions options;
  options.windowIcons = kSmallIcon;
  ForeignWindowThread foreign(options);
  HWND window = foreign.Window();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(ColourOf(GetIconBounded(window, ICON_SMALL)), 0xFF0000);
  ASSERT_TRUE(foreign.SetIcons(kBothIcons, 0x00FF00));
  EXPECT_EQ(ColourOf(GetIconBounded(window, ICON_SMALL)), 0x00FF00);
  EXPECT_EQ(ColourOf(GetIconBounded(window, ICON_BIG)), 0x00FF00);
  EXPECT_EQ(GetIconBounded(window, ICON_BIG), foreign.BigIcon());
  ASSERT_TRUE(foreign.SetIcons(kBigIcon, 0x0000FF));
  EXPECT_EQ(ColourOf(GetIconBounded(window, ICON_SMALL)), 0x00FF00);
  EXPECT_EQ(ColourOf(GetIconBounded(window, ICON_BIG)), 0x0000FF);
}

std::string MenuText(HMENU menu, UINT position) {
  char text[256] = "";
  const int length = GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return std::string(text, length > 0 ? length : 0);
}

TEST(HarnessForeignWindow, MenuBarIsReadableAndCommandsArrive) {
  ForeignWindowOptions options;
  options.menu = true;
  options.title = "メニュー付き";
  ForeignWindowThread foreign(options);
  HWND window = foreign.Window();
  ASSERT_NE(window, nullptr);
  HMENU bar = GetMenu(window);
  ASSERT_TRUE(IsMenu(bar));
  ASSERT_EQ(GetMenuItemCount(bar), 3);
  EXPECT_EQ(MenuText(bar, 0), "ファイル(&F)");
  EXPECT_EQ(MenuText(bar, 2), "ヘルプ(&H)");
  HMENU edit = GetSubMenu(bar, 1);
  EXPECT_EQ(MenuText(edit, 0), "元に戻す(&U)\tCtrl+Z");
  EXPECT_TRUE(GetMenuState(edit, kCommandChecked, MF_BYCOMMAND) & MF_CHECKED);
  EXPECT_TRUE(GetMenuState(edit, kCommandGrayed, MF_BYCOMMAND) & MF_GRAYED);
  HMENU more = GetSubMenu(edit, 3);
  ASSERT_TRUE(IsMenu(more));
  EXPECT_EQ(GetMenuItemID(more, 1), kCommandSubSecond);
  EXPECT_EQ(GetMenuState(GetSubMenu(bar, 0), 2, MF_BYPOSITION) & MF_SEPARATOR, static_cast<UINT>(MF_SEPARATOR));

  PostMessageA(window, WM_COMMAND, kCommandSubSecond, 0);
  PostMessageA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(foreign.WaitForCommand(kCommandSubSecond, 2000));
  EXPECT_TRUE(WaitUntil([&] { return IsIconic(window) != FALSE; }, 2000));
  EXPECT_EQ(foreign.Commands(), std::vector<unsigned>{kCommandSubSecond});
  EXPECT_EQ(foreign.SysCommands(), std::vector<unsigned>{SC_MINIMIZE});
  EXPECT_EQ(ReadWindowTitle(window), std::optional<std::string>("メニュー付き"));
}

TEST(HarnessForeignWindow, StyleAndStateFollowTheOptions) {
  ForeignWindowOptions options;
  options.tool = true;
  options.visible = false;
  ForeignWindowThread hidden(options);
  ASSERT_NE(hidden.Window(), nullptr);
  EXPECT_TRUE(GetWindowLongA(hidden.Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
  EXPECT_EQ(ReadWindowState(hidden.Window()), (WindowState{true, false, false, true}));

  ForeignWindowOptions minimizedOptions;
  minimizedOptions.minimized = true;
  minimizedOptions.owner = hidden.Window();
  ForeignWindowThread minimized(minimizedOptions);
  ASSERT_NE(minimized.Window(), nullptr);
  EXPECT_EQ(ReadWindowState(minimized.Window()), (WindowState{true, true, true, true}));
  EXPECT_EQ(GetWindow(minimized.Window(), GW_OWNER), hidden.Window());
  EXPECT_FALSE(GetWindowLongA(minimized.Window(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
}

TEST(HarnessForeignWindow, HangBlocksBoundedSendsAndEndsWithTheWindow) {
  DWORD destroyed = 0;
  HWND window = nullptr;
  {
    ForeignWindowThread foreign(ForeignWindowOptions{});
    window = foreign.Window();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(IsWindowResponsive(window, 100));
    ASSERT_TRUE(foreign.Hang(10000));
    const DWORD start = GetTickCount();
    DWORD_PTR result = 0;
    EXPECT_EQ(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK, 100, &result), 0);
    EXPECT_LT(GetTickCount() - start, 300u);
    destroyed = GetTickCount();
  }
  // The ten-second hang was cut short by the destructor.
  EXPECT_LT(GetTickCount() - destroyed, 2000u);
  EXPECT_FALSE(IsWindow(window));
}

}  // namespace
