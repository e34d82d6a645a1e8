#pragma once
// The sizes of owner-drawn menu items with icons, worked out from the sizes
// the menu font gives their texts. An item is an icon cell (19 pixels, or 35
// for a text tall enough to sit beside a 32-pixel icon), its label and, after
// a tab, a shortcut in a column shared by the whole menu. Windows adds room of
// its own to every owner-drawn item, which is why the label's width is
// reported one gap short. No item may be half the screen wide: such an item is
// cut to a third of it. The Win32 layer measures the texts and hands the
// results over; everything here is arithmetic.
#include <string>
#include <vector>

// The icon cells: a 16-pixel icon with a pixel of frame and a pixel of air on
// each side, or the same around a 32-pixel icon.
constexpr int kSmallIconCell = 19;
constexpr int kLargeIconCell = 35;
// A label this tall or taller gets the large cell and the 32-pixel icon.
constexpr int kLargeCellLabelHeight = kSmallIconCell + 8;
// The height of a separator item: an etched line with air above and below.
constexpr int kMenuSeparatorHeight = 9;

// What the menu font made of one item: the label (the text before the first
// tab) and the shortcut (after it); a separator has no text at all.
struct TMenuItemText {
  int labelWidth = 0;
  int labelHeight = 0;
  int shortcutWidth = 0;
  bool hasShortcut = false;
  bool isSeparator = false;
};

// One item's measured place, as WM_MEASUREITEM reports and drawing uses it.
struct TMenuItemSize {
  int iconCell = kSmallIconCell;  // width and height of the icon cell
  bool largeIcon = false;         // draw the 32 x 32 form of the icon
  int labelWidth = 0;             // the label's width less the gap
  int ownWidth = 0;               // the item's width before the menu settles one
  int width = 0;                  // what WM_MEASUREITEM reports
  int height = 0;
  int shortcutColumn = 0;         // left edge of the shortcut, from the item's left; 0 without one
};

struct TMenuLayout {
  std::vector<TMenuItemSize> items;
  int commonWidth = 0;   // the width every item of the menu starts from (W)
  int textColumn = 0;    // the widest label
  int shortcutWidth = 0; // the widest shortcut
};

// Half the width of a full-width character of the menu font.
int MenuGap(int fullWidthCharWidth);
// The icon cell for a label of this height.
int IconCellSize(int labelHeight);
// A width that reaches half the screen becomes a third of it. A screen of no
// width (unknown) limits nothing; a negative width counts as none.
int LimitMenuWidth(int width, int screenWidth);
// The shortcut needs room of its own in the item's width below version 4.10
// build 1998 and on every NT platform; later Windows 9x makes that room itself.
bool ShortcutNeedsRoom(unsigned major, unsigned minor, unsigned build, bool ntPlatform);
// The inactive look of items exists from Windows 98 (4.10) and 2000 (5.0) on.
bool HonoursInactiveItems(unsigned major, unsigned minor);

// One item on its own: its cell, height and width before the menu settles.
TMenuItemSize MeasureMenuItem(const TMenuItemText& text, int gap, int screenWidth);
// The whole menu: every item measured, the common width taken from the widest
// item of the menu and `submenuWidest` (the widest of its submenus, 0 for
// none), each item given it, its shortcut column, and a twentieth more.
TMenuLayout LayoutMenu(const std::vector<TMenuItemText>& texts, int submenuWidest, int gap, int screenWidth,
                       bool shortcutNeedsRoom);
