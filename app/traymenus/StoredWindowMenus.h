#pragma once
// The menus a stored window's tray icon opens: the window's own system menu
// (right button) and a popup copy of its menu bar (left button). The main
// window tracks them and owns every tray icon, so what a menu sends back
// arrives at the main window and is routed on to the stored window.
#include <windows.h>

#include "framework/base/Owners.h"

// How long a stored window may take to answer before its menu is shown.
constexpr UINT kMenuProbeTimeoutMs = 500;
// Posted to the main window when a menu it tracked has closed (WM_USER range:
// messages above WM_APP are tray callbacks).
constexpr UINT kTrackedMenuClosedMessage = WM_USER + 0x200;
// Posted to the main window as a stored window's system menu opens, so that
// its items are set before the menu takes any input.
constexpr UINT kSystemMenuShownMessage = WM_USER + 0x201;

// The popup copy of another program's menu bar. Its items lead to that
// program's own drop-down menus, which DestroyMenu would destroy with the copy:
// every item is removed first, so only the copy itself is freed.
struct TMenuCopyTraits {
  using Handle = HMENU;
  static void Free(HMENU copy);
};
using TMenuCopy = TUniqueHandle<TMenuCopyTraits>;

// Tracks `menu` at `at` with the main window as owner, for `target`. The
// command chosen is posted to the main window, followed by
// kTrackedMenuClosedMessage.
void TrackMenuForTarget(HMENU menu, HWND target, bool systemMenu, POINT at);
// Tracks a menu of the program's own for the main window and returns the
// command chosen (0 for none); nothing is posted.
UINT TrackOwnTrayMenu(HMENU menu, POINT at);
// A system command chosen in a window's system menu, posted as the window's
// own choice (the position is the cursor's, as the system gives it).
void PostSystemCommand(HWND target, WPARAM command);
// What came of a click on a stored window's icon: its menu was shown; the
// window has gone or does not answer (nothing is shown: it could not carry
// out a command); or its menu has no items or cannot be read (another
// process's menus under Wine), which leaves the choice to the caller.
enum class TStoredMenu { Shown, Unanswered, Unreadable };
// Right click on a stored window's icon: its own system menu.
TStoredMenu ShowStoredSystemMenu(HWND window, POINT at);
// Left click on a stored window's icon: a copy of its menu bar.
TStoredMenu ShowStoredMenuBarCopy(HWND window, POINT at);
// For the main window's WndProc, ahead of its own handling: while a stored
// window's menu is open, its WM_COMMAND, WM_SYSCOMMAND (a system menu's
// choice), WM_DRAWITEM and WM_MEASUREITEM go to that window, and
// kSystemMenuShownMessage and WM_ENTERIDLE set its system menu's items back.
// True when the message was consumed (`result` set).
bool RouteMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
// For kTrackedMenuClosedMessage: the target is forgotten.
void ForgetMenuTarget();
