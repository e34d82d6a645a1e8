// The tray menu's window items, made anew at each opening from the windows
// on the desktop (foreign windows of this process among them).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/Commands.h"
#include "app/traymenus/TrayMenu.h"
#include "framework/window/menus/IconMenu.h"
#include "tests/support/ForeignWindowThread.h"

namespace {

// The icon menu keeps an item's text in the item's object.
const TIconMenuItem* Item(HMENU menu, int position) {
  MENUITEMINFOA info = {};
  info.cbSize = sizeof info;
  info.fMask = MIIM_DATA;
  if (!GetMenuItemInfoA(menu, position, TRUE, &info)) return nullptr;
  return TIconMenuItem::FromItemData(info.dwItemData);
}

std::string ItemText(HMENU menu, int position) {
  const TIconMenuItem* item = Item(menu, position);
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

TEST(TrayMenu, WindowItemsShowTitlesAsTheWindowsHoldThem) {
  struct Case {
    const char* title;          // Shift-JIS, or
    std::u16string wide;        // a Unicode window's title
    const char* text;           // the item's Shift-JIS text
    std::u16string wideText;    // what the item draws when the Shift-JIS form loses characters
  } cases[] = {
      {"Save & Exit", u"", "Save && Exit", u""},
      // Every character has a Shift-JIS form: the item is the same as for an ANSI window.
      {"", u"\u30e1\u30e2\u5e33 & \u8868", "メモ帳 && 表", u""},
      {"", u"R&D \u4e2d\u6587 \ud55c\uad6d\uc5b4 Caf\u00e9 \U0001F600\tx", nullptr,
       u"R&&D \u4e2d\u6587 \ud55c\uad6d\uc5b4 Caf\u00e9 \U0001F600\uFF65x"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.title);
    ForeignWindowOptions options = Titled(c.title);
    options.wideTitle.assign(c.wide.begin(), c.wide.end());
    ForeignWindowThread window(options);
    ASSERT_NE(nullptr, window.Window());
    TTrayMenu tray;
    tray.Rebuild(nullptr, 0);
    const THandleList& candidates = tray.Candidates();
    const auto at = std::find(candidates.begin(), candidates.end(), window.Window());
    ASSERT_NE(candidates.end(), at);
    const TIconMenuItem* item = Item(tray.Menu(), static_cast<int>(at - candidates.begin()));
    ASSERT_NE(nullptr, item);
    if (c.text != nullptr) {
      EXPECT_EQ(c.text, item->Text().Bytes());
    }
    EXPECT_EQ(!c.wideText.empty(), item->IsWide());
    EXPECT_TRUE(c.wideText == item->WideLabel()) << item->WideLabel().size() << " units";
    if (!c.wide.empty()) {
      EXPECT_TRUE(c.wide == tray.CandidateTitles()[at - candidates.begin()]);
    }
  }
}
