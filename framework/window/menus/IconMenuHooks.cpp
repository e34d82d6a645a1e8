// The messages a shape hands to its icon menus, and the icons of its system
// menu.
#include <windows.h>

#include "framework/icons/IconFactories.h"
#include "framework/window/core/ShapeCommands.h"
#include "framework/window/menus/IconMenu.h"
#include "framework/window/menus/pure/MenuMnemonic.h"

namespace {

bool HasCommand(HMENU menu, UINT command) {
  return GetMenuState(menu, command, MF_BYCOMMAND) != static_cast<UINT>(-1);
}

}  // namespace

bool MeasureIconMenuItem(MEASUREITEMSTRUCT& measure) {
  if (measure.CtlType != ODT_MENU) return false;
  const TIconMenuItem* item = TIconMenuItem::FromItemData(measure.itemData);
  if (item == nullptr) return false;
  measure.itemWidth = static_cast<UINT>(item->Size().width);
  measure.itemHeight = static_cast<UINT>(item->Size().height);
  return true;
}

bool MenuChar(HWND /*window*/, UINT character, HMENU menu, LRESULT& result) {
  // Only single-byte characters choose items; a double-byte one arrives with
  // its lead byte above 0xFF and is left to the system.
  if (menu == nullptr || character == 0 || character > 0xFF) return false;
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_DATA;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info) || (info.fType & MFT_OWNERDRAW) == 0) continue;
    const TIconMenuItem* item = TIconMenuItem::FromItemData(info.dwItemData);
    if (item == nullptr || item->IsSeparator()) continue;
    if (MatchesMenuMnemonic(item->Text(), static_cast<unsigned char>(character))) {
      result = MAKELRESULT(i, MNC_EXECUTE);
      return true;
    }
  }
  return false;
}

bool HandleIconMenuMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure == nullptr || !MeasureIconMenuItem(*measure)) return false;
      result = TRUE;
      return true;
    }
    case WM_DRAWITEM: {
      const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw == nullptr || !DrawIconMenuItem(*draw)) return false;
      result = TRUE;
      return true;
    }
    case WM_MENUCHAR:
      return MenuChar(window, LOWORD(wParam), reinterpret_cast<HMENU>(lParam), result);
    default:
      return false;
  }
}

std::unique_ptr<TIconMenu> AttachSystemMenuIcons(HWND shape) {
  HMENU system = GetSystemMenu(shape, FALSE);  // the window's: never destroyed here
  if (system == nullptr) return nullptr;
  struct TCommandIcon {
    UINT command;
    const char* icon;
  };
  static const TCommandIcon kIcons[] = {
      {SC_RESTORE, "WINDOWRESTORE_ICON"},      {SC_MOVE, "WINDOWMOVE_ICON"},
      {SC_SIZE, "WINDOWRESIZE_ICON"},          {SC_MINIMIZE, "WINDOWICON_ICON"},
      {SC_MAXIMIZE, "WINDOWZOOM_ICON"},        {kAlwaysOnTopCommand, "WINDOWTOPMOST_ICON"},
      {kTranslucentCommand, "WINDOWTRANSPARENT_ICON"}, {SC_CLOSE, "WINDOWCLOSE_ICON"},
  };
  std::vector<TIconMenuSpec> specs;
  for (const TCommandIcon& each : kIcons) {
    if (HasCommand(system, each.command)) specs.push_back(ByCommand(each.command, OwnResourceIcon(each.icon)));
  }
  auto menu = MakeIconMenu(system, std::move(specs));
  // The position popup is the item just before the always-on-top command.
  const int count = GetMenuItemCount(system);
  for (int i = 1; i < count; ++i) {
    if (GetMenuItemID(system, i) != kAlwaysOnTopCommand || GetSubMenu(system, i - 1) == nullptr) continue;
    HMENU position = GetSubMenu(system, i - 1);
    std::vector<TIconMenuSpec> positionSpecs;
    const TCommandIcon positionIcons[] = {{kCentreCommand, "WINDOWCENTERPOS_ICON"},
                                          {kAtCursorCommand, "WINDOWMOUSEPOS_ICON"},
                                          {kThisPositionCommand, "WINDOWSERIALPOS_ICON"}};
    for (const TCommandIcon& each : positionIcons) {
      if (HasCommand(position, each.command)) positionSpecs.push_back(ByCommand(each.command, OwnResourceIcon(each.icon)));
    }
    menu->AddSubmenu(MakeIconSubmenu(static_cast<UINT>(i - 1), OwnResourceIcon("WINDOWPOSITION_ICON"), std::move(positionSpecs)));
    break;
  }
  AttachIconMenu(*menu);
  return menu;
}
