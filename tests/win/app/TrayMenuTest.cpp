// The tray menu's window items, made anew at each opening from the windows
// on the desktop (foreign windows of this process among them).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/Commands.h"
#include "app/TrayMenu.h"
#include "framework/window/IconMenu.h"
#include "tests/support/ForeignWindowThread.h"

namespace {

// The text an item shows: the icon menu keeps it in the item's object.
std::string ItemText(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return "<none>";
  const TIconMenuItem* item = TIconMenuItem::FromItemData(info.dwItemData);
  return item != nullptr ? item->Text().Bytes() : "<not converted>";
}

bool Enabled(HMENU menu, UINT command) {
  return (GetMenuState(menu, command, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED)) == 0;
}

ForeignWindowOptions Titled(const char* title, bool visible = true, bool tool = false) {
  ForeignWindowOptions options;
  options.title = title;
  options.visible = visible;
  options.tool = tool;
  return options;
}

}  // namespace

TEST(TrayMenu, ListsStorableWindowsAboveTheCommandsAndReplacesThemAtEachOpening) {
  ForeignWindowThread ampersand(Titled("Save & Exit")), lines(Titled("a\tb\r\nc")),
      hidden(Titled("hidden", false)), tool(Titled("tool", true, true));
  TTrayMenu tray;
  HMENU menu = tray.Menu();
  ASSERT_NE(nullptr, menu);
  const int fixedItems = GetMenuItemCount(menu);

  for (size_t stored : {0u, 2u}) {
    SCOPED_TRACE(stored);
    tray.Rebuild(ampersand.Window(), stored);  // one window plays the main window: it is never listed
    const THandleList& candidates = tray.Candidates();
    const int n = static_cast<int>(candidates.size());
    ASSERT_GE(n, 1);
    EXPECT_EQ(fixedItems + n + 1, GetMenuItemCount(menu));
    for (HWND left : {ampersand.Window(), hidden.Window(), tool.Window()}) {
      EXPECT_EQ(candidates.end(), std::find(candidates.begin(), candidates.end(), left));
    }
    const auto at = std::find(candidates.begin(), candidates.end(), lines.Window());
    ASSERT_NE(candidates.end(), at);
    const int position = static_cast<int>(at - candidates.begin());
    EXPECT_EQ(static_cast<UINT>(kCommandFirstCandidate + position), GetMenuItemID(menu, position));
    EXPECT_EQ("a\xA5" "b\xA5\xA5" "c", ItemText(menu, position));
    EXPECT_TRUE(GetMenuState(menu, static_cast<UINT>(n), MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(static_cast<UINT>(kCommandStoreAll), GetMenuItemID(menu, n + 1));
    EXPECT_TRUE(Enabled(menu, kCommandStoreAll));
    EXPECT_EQ(stored != 0, Enabled(menu, kCommandRestoreAll));
  }
}

TEST(TrayMenu, AnAmpersandInATitleStaysVisible) {
  ForeignWindowThread ampersand(Titled("Save & Exit"));
  TTrayMenu tray;
  tray.Rebuild(nullptr, 0);
  const THandleList& candidates = tray.Candidates();
  const auto at = std::find(candidates.begin(), candidates.end(), ampersand.Window());
  ASSERT_NE(candidates.end(), at);
  EXPECT_EQ("Save && Exit", ItemText(tray.Menu(), static_cast<int>(at - candidates.begin())));
}
