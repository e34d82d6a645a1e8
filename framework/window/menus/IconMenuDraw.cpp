// Painting of owner-drawn icon menu items and of the status bar's menu part.
#include <windows.h>

#include <algorithm>
#include <string>

#include "framework/window/menus/IconMenu.h"
#include "framework/window/paint/BackgroundPicture.h"

namespace {

bool InactiveLookExists() {
  static const bool exists = [] {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && HonoursInactiveItems(version.dwMajorVersion, version.dwMinorVersion);
  }();
  return exists;
}

// Selects a font, colours and the transparent mode into a DC and puts the
// previous ones back on leaving, so that the menu's DC is handed back as it came.
class TDcLook {
 public:
  TDcLook(HDC dc, HFONT font, COLORREF text, COLORREF back)
      : dc_(dc),
        font_(SelectObject(dc, font)),
        text_(SetTextColor(dc, text)),
        back_(SetBkColor(dc, back)),
        mode_(SetBkMode(dc, TRANSPARENT)) {}
  ~TDcLook() {
    SetBkMode(dc_, mode_);
    SetBkColor(dc_, back_);
    SetTextColor(dc_, text_);
    SelectObject(dc_, font_);
  }
  TDcLook(const TDcLook&) = delete;
  TDcLook& operator=(const TDcLook&) = delete;

 private:
  HDC dc_;
  HGDIOBJ font_;
  COLORREF text_;
  COLORREF back_;
  int mode_;
};

void FillSolid(HDC dc, const RECT& area, int colourIndex) { FillRect(dc, &area, GetSysColorBrush(colourIndex)); }

// The item's texts in the form they are kept: an ANSI text, or another
// program's title that only the wide form holds whole.
void DrawItemText(HDC dc, const TString& text, RECT& area, UINT format) {
  DrawTextA(dc, text.c_str(), -1, &area, format);
}
void DrawItemText(HDC dc, const TWideText& text, RECT& area, UINT format) {
  DrawTextW(dc, WideChars(text), -1, &area, format);
}
void DrawItemState(HDC dc, const TString& text, const RECT& area, UINT flags) {
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()), static_cast<WPARAM>(text.Length()),
             area.left, area.top, area.right - area.left, area.bottom - area.top, flags);
}
void DrawItemState(HDC dc, const TWideText& text, const RECT& area, UINT flags) {
  DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(WideChars(text)), static_cast<WPARAM>(text.size()),
             area.left, area.top, area.right - area.left, area.bottom - area.top, flags);
}

// A text outside the selection: plain, or embossed (a highlight copy one
// pixel down and right under a shadow copy) when grayed.
template <typename Text>
void DrawPlainText(HDC dc, const Text& text, RECT area, bool embossed, COLORREF colour) {
  const UINT format = DT_SINGLELINE | DT_LEFT | DT_TOP;
  if (embossed) {
    RECT shifted = area;
    OffsetRect(&shifted, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
    DrawItemText(dc, text, shifted, format);
    colour = GetSysColor(COLOR_BTNSHADOW);
  }
  SetTextColor(dc, colour);
  DrawItemText(dc, text, area, format);
}

// A text inside the selection: DrawState underlines the ampersand's letter.
template <typename Text>
void DrawSelectedText(HDC dc, const Text& text, const RECT& area, bool grayed) {
  DrawItemState(dc, text, area, DST_PREFIXTEXT | (grayed ? DSS_DISABLED : 0));
}

template <typename Text>
void DrawLabelAndShortcut(HDC dc, const Text& label, const Text* shortcut, const RECT& labelArea,
                          const RECT& shortcutArea, bool highlighted, bool grayed, bool embossed, COLORREF colour) {
  if (highlighted) {
    DrawSelectedText(dc, label, labelArea, grayed);
    if (shortcut != nullptr) DrawSelectedText(dc, *shortcut, shortcutArea, grayed);
  } else {
    DrawPlainText(dc, label, labelArea, embossed, colour);
    if (shortcut != nullptr) DrawPlainText(dc, *shortcut, shortcutArea, embossed, colour);
  }
}

// The check mark for a checked item without an icon: a tick of three
// strokes, as the system draws it, in the text colour.
void DrawCheckMark(HDC dc, const RECT& cell, COLORREF colour) {
  const int left = (cell.left + cell.right) / 2 - 3;
  const int top = (cell.top + cell.bottom) / 2 - 3;
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  if (pen == nullptr) return;
  const HGDIOBJ previous = SelectObject(dc, pen);
  for (int stroke = 0; stroke < 3; ++stroke) {
    MoveToEx(dc, left, top + 2 + stroke, nullptr);
    LineTo(dc, left + 2, top + 4 + stroke);
    LineTo(dc, left + 7, top - 1 + stroke);
  }
  SelectObject(dc, previous);
  DeleteObject(pen);
}

// Half of `a` and half of `b`, channel by channel.
COLORREF MixColours(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

// A checked item's icon sits in a box of the selection colour: a sunken edge
// of one pixel vanishes on a white menu (its light half is the menu's own
// colour), and a check that cannot be seen cannot be trusted.
void DrawCheckFrame(HDC dc, const RECT& item, const RECT& icon, bool dimmed) {
  RECT frame{icon.left - 2, icon.top - 2, icon.right + 2, icon.bottom + 2};
  IntersectRect(&frame, &frame, &item);
  const COLORREF edge = GetSysColor(dimmed ? COLOR_BTNSHADOW : COLOR_HIGHLIGHT);
  TBrushHandle fill(CreateSolidBrush(MixColours(edge, GetSysColor(COLOR_MENU))));
  TBrushHandle border(CreateSolidBrush(edge));
  if (!fill || !border) return;
  FillRect(dc, &frame, fill.Get());
  FrameRect(dc, &frame, border.Get());
}

// The whole menu the picture decorates: the menu window's client area. The
// clip box is only the part being repainted, and a picture placed by it
// lands elsewhere on every partial repaint. A context of no window (a menu
// drawn off screen) decorates its whole bitmap.
RECT MenuArea(HDC dc) {
  RECT area{};
  HWND menuWindow = WindowFromDC(dc);
  if (menuWindow != nullptr) {
    GetClientRect(menuWindow, &area);
    return area;
  }
  BITMAP bitmap{};
  if (GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof bitmap, &bitmap) == sizeof bitmap) {
    area.right = bitmap.bmWidth;
    area.bottom = bitmap.bmHeight;
  }
  return area;
}

void DrawSeparator(HDC dc, const RECT& area) {
  RECT line = area;
  line.left += 1;
  line.right -= 1;
  line.top = (area.top + area.bottom) / 2 - 1;
  line.bottom = line.top + 2;
  DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
}

}  // namespace

bool DrawIconMenuItem(const DRAWITEMSTRUCT& draw) {
  if (draw.CtlType != ODT_MENU) return false;
  const TIconMenuItem* item = TIconMenuItem::FromItemData(draw.itemData);
  if (item == nullptr) return false;
  HDC dc = draw.hDC;
  const RECT& area = draw.rcItem;
  const UINT state = draw.itemState;
  const bool selected = (state & ODS_SELECTED) != 0;
  const bool grayed = (state & (ODS_GRAYED | ODS_DISABLED)) != 0;
  const bool checked = (state & ODS_CHECKED) != 0;
  const bool inactive = (state & ODS_INACTIVE) != 0 && InactiveLookExists();
  const bool highlighted = selected && !inactive;

  int textColour = COLOR_MENUTEXT;
  int backColour = COLOR_MENU;
  if (inactive) {
    textColour = COLOR_BTNSHADOW;
  } else if (selected) {
    textColour = grayed ? COLOR_BTNSHADOW : COLOR_HIGHLIGHTTEXT;
    backColour = COLOR_HIGHLIGHT;
  }
  FillSolid(dc, area, backColour);
  if (!highlighted && !IsPaletteDisplay(dc)) {
    const RECT menu = MenuArea(dc);
    DrawBackgroundPiece(*MenuBackground(), dc, menu.left, menu.top, menu.right - menu.left, menu.bottom - menu.top,
                        area.left, area.top, area.right - area.left, area.bottom - area.top);
  }
  if (item->IsSeparator()) {
    DrawSeparator(dc, area);
    return true;
  }

  const TMenuItemSize& size = item->Size();
  const int iconSize = size.largeIcon ? 32 : 16;
  const int iconLeft = area.left + 2;
  const int iconTop = area.top + (area.bottom - area.top - iconSize) / 2;
  const HICON icon = item->Icon() != nullptr ? item->Icon()->GetIcon(size.largeIcon ? kLargeIcon : kSmallIcon) : nullptr;
  if (checked) {
    DrawCheckFrame(dc, area, RECT{iconLeft, iconTop, iconLeft + iconSize, iconTop + iconSize}, grayed || inactive);
    if (icon == nullptr) {
      RECT cell{iconLeft, iconTop, iconLeft + iconSize, iconTop + iconSize};
      DrawCheckMark(dc, cell, GetSysColor(grayed || inactive ? COLOR_BTNSHADOW : COLOR_MENUTEXT));
    }
  }
  if (icon != nullptr) {
    UINT look = 0;
    if (inactive || (grayed && selected)) {
      look = DSS_MONO;
    } else if (grayed) {
      look = DSS_DISABLED;
    }
    DrawStateA(dc, GetSysColorBrush(COLOR_BTNSHADOW), nullptr, reinterpret_cast<LPARAM>(icon), 0, iconLeft, iconTop,
               iconSize, iconSize, DST_ICON | look);
  }

  // Not every system sets ODS_DEFAULT for owner-drawn menu items; for a menu
  // item hwndItem is the menu, which knows its default command.
  HMENU menu = reinterpret_cast<HMENU>(draw.hwndItem);
  const bool isDefault = (state & ODS_DEFAULT) != 0 ||
                         (menu != nullptr && IsMenu(menu) && !item->IsSeparator() &&
                          GetMenuDefaultItem(menu, FALSE, GMDI_USEDISABLED) == draw.itemID);
  TDcLook look(dc, IconMenuFont(isDefault), GetSysColor(textColour), GetSysColor(backColour));
  const int textLeft = area.left + size.iconCell + 6;
  RECT label{textLeft, area.top + 2, area.right, area.bottom};
  if (item->HasShortcut() && size.shortcutColumn > 0) {
    label.right = std::min(area.right, area.left + size.shortcutColumn);
  }
  if ((state & ODS_HOTLIGHT) != 0) {
    RECT edge = label;
    InflateRect(&edge, 2, 1);
    DrawEdge(dc, &edge, BDR_RAISEDOUTER, BF_RECT);
  }
  RECT shortcut{area.left + size.shortcutColumn, area.top + 2, area.right, area.bottom};
  const bool embossed = grayed && !inactive;
  const COLORREF colour = GetSysColor(textColour);
  if (item->IsWide()) {
    DrawLabelAndShortcut(dc, item->WideLabel(), item->HasShortcut() ? &item->WideShortcut() : nullptr, label,
                         shortcut, highlighted, grayed, embossed, colour);
  } else {
    DrawLabelAndShortcut(dc, item->Label(), item->HasShortcut() ? &item->Shortcut() : nullptr, label, shortcut,
                         highlighted, grayed, embossed, colour);
  }
  return true;
}

void DrawIconStatusPart(HDC dc, const RECT& part, TIconSource* icon, const TString& text, bool enabled) {
  const int height = part.bottom - part.top;
  const bool large = height > 23;
  const int iconSize = large ? 32 : 16;
  FillSolid(dc, part, COLOR_BTNFACE);
  int left = part.left;
  const HICON shown = icon != nullptr ? icon->GetIcon(large ? kLargeIcon : kSmallIcon) : nullptr;
  if (shown != nullptr) {
    DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(shown), 0, left, part.top + (height - iconSize) / 2,
               iconSize, iconSize, DST_ICON | (enabled ? 0 : DSS_DISABLED));
    left += iconSize + 2;
  }
  TDcLook look(dc, static_cast<HFONT>(GetCurrentObject(dc, OBJ_FONT)), GetSysColor(COLOR_BTNTEXT),
               GetSysColor(COLOR_BTNFACE));
  RECT measure{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), -1, &measure, DT_CALCRECT | DT_SINGLELINE);
  const int textHeight = measure.bottom - measure.top;
  DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()), static_cast<WPARAM>(text.Length()), left,
             part.top + (height - textHeight) / 2, std::max(0, static_cast<int>(part.right - left)), textHeight,
             DST_PREFIXTEXT | (enabled ? 0 : DSS_DISABLED));
}
