#include <windows.h>

#include "app/traymenus/StoredWindowMenus.h"

#include "app/AppState.h"
#include "app/storing/WindowProbe.h"
#include "app/traymenus/ForeignMenuItems.h"
#include "framework/window/menus/MenuFocus.h"

namespace {

constexpr UINT kCopiedItemParts =
    MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;

// A hung window shows no menu: it would not carry out the command, nor draw
// its owner-drawn items.
bool CanShowMenuOf(HWND window) { return IsWindow(window) && WindowAnswers(window, kMenuProbeTimeoutMs); }

// The window is hidden: it can only be given back. Returns whether any item
// changed; an item the menu lacks changes nothing, so that setting the items
// again and again comes to rest.
bool OfferOnlyRestore(HMENU menu) {
  bool changed = false;
  const auto set = [&](UINT command, UINT state) {
    const int before = EnableMenuItem(menu, command, MF_BYCOMMAND | state);
    changed |= before != -1 && static_cast<UINT>(before) != state;
    return before != -1;
  };
  const bool canRestore = set(SC_RESTORE, MF_ENABLED);
  for (UINT command : {SC_MAXIMIZE, SC_MINIMIZE, SC_MOVE, SC_SIZE}) set(command, MF_GRAYED | MF_DISABLED);
  if (canRestore && GetMenuDefaultItem(menu, FALSE, GMDI_USEDISABLED) != SC_RESTORE) {
    SetMenuDefaultItem(menu, SC_RESTORE, FALSE);
    changed = true;
  }
  return changed;
}

BOOL CALLBACK RepaintIfMenu(HWND window, LPARAM) {
  // The popup menu class has the atom 32768 on every Windows.
  if (GetClassLongA(window, GCW_ATOM) == 32768) InvalidateRect(window, nullptr, TRUE);
  return TRUE;
}

// The open menus are windows of this thread.
void RepaintOpenMenus() { EnumThreadWindows(GetCurrentThreadId(), RepaintIfMenu, 0); }

}  // namespace

void PostSystemCommand(HWND target, WPARAM command) {
  POINT cursor = {};
  GetCursorPos(&cursor);
  PostMessageA(target, WM_SYSCOMMAND, LOWORD(command),
               MAKELPARAM(static_cast<WORD>(cursor.x), static_cast<WORD>(cursor.y)));
}

void TMenuCopyTraits::Free(HMENU copy) {
  for (int position = GetMenuItemCount(copy); position-- > 0;) RemoveMenu(copy, position, MF_BYPOSITION);
  CHECK(DestroyMenu(copy));
}

void TrackMenuForTarget(HMENU menu, HWND target, bool systemMenu, POINT at) {
  const HWND main = AppState().mainWindow;
  AppState().menuTarget = target;
  AppState().menuTargetIsSystemMenu = systemMenu;
  // The hidden main window in the foreground, and the keys reaching the menu under Wine too.
  TrackMenuWithKeys(menu, TPM_RIGHTBUTTON, at, main);
  // The chosen command was posted before TrackPopupMenu returned, so it is
  // routed to the target before this message forgets it; any later WM_COMMAND
  // (another menu, a dialog's notification) is the main window's own.
  PostMessageA(main, kTrackedMenuClosedMessage, 0, 0);
}

UINT TrackOwnTrayMenu(HMENU menu, POINT at) {
  const HWND main = AppState().mainWindow;
  // Nothing of this menu is routed to a stored window.
  ForgetMenuTarget();
  return static_cast<UINT>(TrackMenuWithKeys(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, at, main));
}

TStoredMenu ShowStoredSystemMenu(HWND window, POINT at) {
  if (!CanShowMenuOf(window)) return TStoredMenu::Unanswered;
  // The window's own menu, not a copy: its items and texts are the program's.
  // The changes stay in it.
  const HMENU menu = GetSystemMenu(window, FALSE);
  if (menu == nullptr || !IsMenu(menu)) return TStoredMenu::Unreadable;
  OfferOnlyRestore(menu);
  TrackMenuForTarget(menu, window, true, at);
  return TStoredMenu::Shown;
}

TStoredMenu ShowStoredMenuBarCopy(HWND window, POINT at) {
  if (!CanShowMenuOf(window)) return TStoredMenu::Unanswered;
  // The bar belongs to the window: it is read, never owned.
  const HMENU bar = GetMenu(window);
  if (bar == nullptr || !IsMenu(bar) || GetMenuItemCount(bar) <= 0) return TStoredMenu::Unreadable;
  TMenuCopy& copy = AppState().menuCopy;
  copy.Reset(CreatePopupMenu());
  if (!copy) return TStoredMenu::Unreadable;
  // Only the top level is copied: its items lead to the window's own drop-down
  // menus, so the program keeps them current and their commands are its own.
  const int count = GetMenuItemCount(bar);
  for (int position = 0; position < count; ++position) {
    char text[256] = {};
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = kCopiedItemParts;
    item.dwTypeData = text;
    item.cch = sizeof text - 1;
    if (!GetMenuItemInfoA(bar, position, TRUE, &item)) continue;
    // The type's data of an owner-drawn item is the program's own value, not a text.
    if ((item.fType & MFT_OWNERDRAW) != 0) {
      const TString shown = ForeignItemText(bar, static_cast<UINT>(position), MF_BYPOSITION);
      lstrcpynA(text, shown.c_str(), sizeof text);
      item.fType &= ~static_cast<UINT>(MFT_OWNERDRAW);
      item.dwTypeData = text;
      item.dwItemData = 0;
    }
    InsertMenuItemA(copy.Get(), position, TRUE, &item);
  }
  TrackMenuForTarget(copy.Get(), window, false, at);
  return TStoredMenu::Shown;
}

bool RouteMenuMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const HWND target = AppState().menuTarget;
  if (target == nullptr || target == AppState().mainWindow) return false;
  const bool systemMenu = AppState().menuTargetIsSystemMenu;
  switch (msg) {
    case WM_SYSCOMMAND:
      // A system menu tracked for its owner posts its choice as a system
      // command to the window that tracks it: that is the main window.
      if (!systemMenu) return false;
      [[fallthrough]];
    case WM_COMMAND:
      // A command of a window that has gone since is dropped, not run as ours.
      if (IsWindow(target)) {
        SetForegroundWindow(target);
        if (systemMenu) {
          PostSystemCommand(target, wParam);
        } else {
          PostMessageA(target, WM_COMMAND, wParam, lParam);
        }
      }
      result = 0;
      return true;
    case WM_INITMENUPOPUP:
      // Tracking a system menu sets its items from the style of the window
      // that tracks it as the menu shows, after this message. A message
      // posted now is the first the menu's loop handles: ahead of every key,
      // click and timer, as the queue hands out posted messages first.
      if (systemMenu && reinterpret_cast<HMENU>(wParam) == GetSystemMenu(target, FALSE)) {
        PostMessageA(AppState().mainWindow, kSystemMenuShownMessage, 0, 0);
      }
      return false;
    case kSystemMenuShownMessage:
      if (systemMenu && OfferOnlyRestore(GetSystemMenu(target, FALSE))) RepaintOpenMenus();
      result = 0;
      return true;
    case WM_ENTERIDLE:
      // Should anything set them again while the menu is up.
      if (systemMenu && wParam == MSGF_MENU && OfferOnlyRestore(GetSystemMenu(target, FALSE))) {
        const HWND popup = reinterpret_cast<HWND>(lParam);
        if (popup != nullptr) InvalidateRect(popup, nullptr, TRUE);
      }
      return false;
    case WM_MEASUREITEM: {
      auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure.CtlType != ODT_MENU) return false;
      MeasureForeignItem(systemMenu ? GetSystemMenu(target, FALSE) : AppState().menuCopy.Get(), measure);
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto& draw = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw.CtlType != ODT_MENU) return false;
      DrawForeignItem(draw);
      result = TRUE;
      return true;
    }
    default:
      return false;
  }
}

void ForgetMenuTarget() {
  AppState().menuTarget = nullptr;
  AppState().menuTargetIsSystemMenu = false;
}
