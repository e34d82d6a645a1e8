#include <windows.h>

#include <gtest/gtest.h>

#include "framework/base/Owners.h"
#include "framework/icons/IconFactories.h"
#include "framework/window/menus/IconMenu.h"
#include "framework/window/shapes/ModelessShapes.h"
#include "framework/window/shapes/TShape.h"

namespace {

UINT g_typed = 0;
HWND g_owner = nullptr;

// Runs inside the menu's own loop: types the letter once, then, should the
// menu still be open a second later, closes it so that the test fails
// instead of hanging.
void CALLBACK TypeIntoMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  static int ticks = 0;
  if (g_typed != 0) {
    PostMessageA(g_owner, WM_CHAR, g_typed, 1);
    g_typed = 0;
    ticks = 0;
    return;
  }
  if (++ticks > 50) {
    PostMessageA(g_owner, WM_CANCELMODE, 0, 0);
    KillTimer(nullptr, timer);
  }
}

// An open owner-drawn menu hears typed letters through WM_MENUCHAR: the
// underlined letter, in either case, chooses its item.
TEST(IconMenuKeys, TypingAnUnderlinedLetterChoosesTheItem) {
  TShape owner(nullptr, "menu owner");
  owner.RunModeless(0);
  ASSERT_NE(nullptr, owner.Handle());
  g_owner = owner.Handle();
  struct Case {
    UINT typed;
    UINT command;
  } cases[] = {{'x', 199}, {'K', 106}, {'k', 106}, {'q', 0}};
  for (const Case& c : cases) {
    TMenuHandle menu(CreatePopupMenu());
    AppendMenuA(menu.Get(), MF_STRING, 106, "すべてｱｲｺﾝ化(&K)");
    AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu.Get(), MF_STRING, 199, "終了(&X)");
    auto icons = MakeIconMenu(menu.Get(), {ByCommand(199, OwnResourceIcon(TResourceName("CLOSE_ICON")))});
    ASSERT_TRUE(icons && AttachIconMenu(*icons));
    g_typed = c.typed;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, TypeIntoMenu);
    SetForegroundWindow(owner.Handle());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY, 100, 100, 0, owner.Handle(), nullptr));
    KillTimer(nullptr, timer);
    EXPECT_EQ(c.command, chosen) << "typed " << static_cast<char>(c.typed);
    icons.reset();
  }
  DestroyWindow(owner.Handle());
  CloseAllModeless();
}

}  // namespace
