#pragma once
// Menus with a small icon in front of every item. The items of an existing
// menu are turned into owner-drawn items, each carrying an item object that
// keeps the text Windows no longer holds for it, its icon and its measured
// size; the menu font measures them and this code draws them, while checks,
// grayed states, default items and keyboard choice keep working as in a plain
// menu. A menu object belongs to whoever owns the menu and must live as long
// as the menu is shown; the menus themselves are never owned here (a tray
// menu is its maker's TMenuHandle, a system menu its window's, a popup its
// parent menu's). A shape sends WM_MEASUREITEM, WM_DRAWITEM and WM_MENUCHAR
// through HandleIconMenuMessage; item data that is no live item object of
// this code is never touched.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/icons/IconSource.h"
#include "framework/system/WideText.h"
#include "framework/text/TString.h"
#include "framework/window/menus/pure/MenuMeasure.h"

// Names one item of a menu and the icon it shows (null for none). Icon
// sources are not owned: the factories' sources live for the whole run.
struct TIconMenuSpec {
  bool byCommand = true;
  UINT commandOrPosition = 0;
  TIconSource* icon = nullptr;
};
inline TIconMenuSpec ByCommand(UINT command, TIconSource* icon) { return {true, command, icon}; }
inline TIconMenuSpec ByPosition(UINT position, TIconSource* icon) { return {false, position, icon}; }

class TIconMenu;

// One converted item. Its address is the item's data in the menu.
class TIconMenuItem {
 public:
  // `wideText` is the item's text when the Shift-JIS form loses some of its
  // characters (another program's title in another script), else empty.
  TIconMenuItem(const TIconMenuSpec& spec, const TString& text, bool separator,
                const TWideText& wideText = TWideText());
  ~TIconMenuItem();
  TIconMenuItem(const TIconMenuItem&) = delete;
  TIconMenuItem& operator=(const TIconMenuItem&) = delete;

  bool ByCommand() const { return byCommand_; }
  UINT CommandOrPosition() const { return commandOrPosition_; }
  TIconSource* Icon() const { return icon_; }
  // The menu text as it was before conversion, and its display form split
  // at the first tab.
  const TString& Text() const { return text_; }
  const TString& Label() const { return label_; }
  const TString& Shortcut() const { return shortcut_; }
  bool HasShortcut() const { return hasShortcut_; }
  // Drawn and measured from the wide text, which is kept as it was given.
  bool IsWide() const { return !wideText_.empty(); }
  const TWideText& WideText() const { return wideText_; }
  const TWideText& WideLabel() const { return wideLabel_; }
  const TWideText& WideShortcut() const { return wideShortcut_; }
  bool IsSeparator() const { return separator_; }
  const TMenuItemSize& Size() const { return size_; }

  // The live item object behind a menu item's data, or null when the data is
  // anything else (another owner's pointer, a freed object).
  static TIconMenuItem* FromItemData(ULONG_PTR data);

 private:
  friend class TIconMenu;
  bool byCommand_;
  UINT commandOrPosition_;
  TIconSource* icon_;
  TString text_;
  TString label_;
  TString shortcut_;
  TWideText wideText_;
  TWideText wideLabel_;
  TWideText wideShortcut_;
  bool hasShortcut_ = false;
  bool separator_;
  TMenuItemSize size_;
};

class TIconMenu {
 public:
  // A menu object for `menu` (not owned).
  TIconMenu(HMENU menu, std::vector<TIconMenuSpec> specs);
  // A menu object for the popup at `position` of its parent menu object.
  TIconMenu(UINT position, TIconSource* icon, std::vector<TIconMenuSpec> specs);
  // Turns items still in the menu back into plain text items, so that a menu
  // that outlives its object shows its texts and holds no stale pointers.
  ~TIconMenu();
  TIconMenu(const TIconMenu&) = delete;
  TIconMenu& operator=(const TIconMenu&) = delete;

  void AddSubmenu(std::unique_ptr<TIconMenu> submenu);

  // Converts every item not yet converted (and the popups of the menu, with
  // objects of their own where none was given), drops the objects of items
  // that are gone, and measures them all. False when the menu is no menu.
  bool Attach();
  // Measures again with the menu font as it is now.
  void Measure();
  // Deletes an item and its object (and a popup's submenu object).
  bool DeleteItem(UINT commandOrPosition, bool byCommand);

  HMENU Menu() const { return menu_; }
  TIconSource* OwnIcon() const { return ownIcon_; }
  // Items in menu order, and the submenu objects.
  const std::vector<std::unique_ptr<TIconMenuItem>>& Items() const { return items_; }
  const std::vector<std::unique_ptr<TIconMenu>>& Submenus() const { return submenus_; }
  int TextColumn() const { return textColumn_; }
  int ShortcutColumn() const { return shortcutColumn_; }
  // The widest item this menu and its submenus measured (for a parent's width).
  int Widest() const { return widest_; }

 private:
  bool AttachTo(HMENU menu);
  void Revert();

  HMENU menu_ = nullptr;  // the menu's owner frees it, never this object
  bool isSubmenu_ = false;
  UINT position_ = 0;
  TIconSource* ownIcon_ = nullptr;
  std::vector<TIconMenuSpec> specs_;
  std::vector<std::unique_ptr<TIconMenuItem>> items_;
  std::vector<std::unique_ptr<TIconMenu>> submenus_;
  int textColumn_ = 0;
  int shortcutColumn_ = 0;
  int widest_ = 0;
};

// A menu object for `menu` with the icons of `specs` and the given submenu
// objects; nothing is converted until AttachIconMenu.
std::unique_ptr<TIconMenu> MakeIconMenu(HMENU menu, std::vector<TIconMenuSpec> specs,
                                        std::vector<std::unique_ptr<TIconMenu>> submenus = {});
// A submenu object for the popup at `position` of the parent, whose own item
// shows `icon`.
std::unique_ptr<TIconMenu> MakeIconSubmenu(UINT position, TIconSource* icon, std::vector<TIconMenuSpec> specs);
// Converts and measures; again whenever items were added or removed.
bool AttachIconMenu(TIconMenu& menu);
// After the user changed the menu font (SPI_SETNONCLIENTMETRICS): takes the
// new font and measures every item again.
void RefreshIconMenu(TIconMenu& menu);

// The icons of a shape's system menu, given after the shape has added its own
// commands; the shape keeps the object until WM_DESTROY. Null when the window
// has no system menu.
std::unique_ptr<TIconMenu> AttachSystemMenuIcons(HWND shape);

// The handlers a shape's window procedure hands these messages to. Each
// answers true when the item was one of ours (ODT_MENU with a live item
// object, or a mnemonic that chose an owner-drawn item); anything else is
// left to the caller (buttons, DefWindowProcA).
bool MeasureIconMenuItem(MEASUREITEMSTRUCT& item);
bool DrawIconMenuItem(const DRAWITEMSTRUCT& item);
bool MenuChar(HWND window, UINT character, HMENU menu, LRESULT& result);
bool HandleIconMenuMessage(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

// The owner-drawn part of a shape's status bar while a menu item is selected:
// the item's icon (32 x 32 when the part is more than 23 pixels high), then
// its text, grayed when the item is disabled. `icon` may be null.
void DrawIconStatusPart(HDC dc, const RECT& part, TIconSource* icon, const TString& text, bool enabled);

// The menu font (bold for default items), made on first use and shared; the
// next use after ReleaseIconMenuFonts makes it afresh from the system.
HFONT IconMenuFont(bool bold);
void ReleaseIconMenuFonts();
