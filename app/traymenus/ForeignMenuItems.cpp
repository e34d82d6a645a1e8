#include <windows.h>

#include "app/traymenus/ForeignMenuItems.h"

#include <algorithm>

#include "framework/system/SystemFont.h"

namespace {

constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;

// The menu font selected into a device context for as long as this lives.
class TMenuFontIn {
 public:
  explicit TMenuFontIn(HDC dc) : dc_(dc), font_(CreateSystemFont(kMenuFont)) {
    previous_ = SelectObject(dc_, font_ ? static_cast<HGDIOBJ>(font_.Get()) : GetStockObject(DEFAULT_GUI_FONT));
  }
  ~TMenuFontIn() { SelectObject(dc_, previous_); }
  TMenuFontIn(const TMenuFontIn&) = delete;
  TMenuFontIn& operator=(const TMenuFontIn&) = delete;

 private:
  HDC dc_;
  TOwnedFont font_;
  HGDIOBJ previous_ = nullptr;
};

// Room on the left for the check mark the system leaves owner-drawn items.
int CheckRoom() { return GetSystemMetrics(SM_CXMENUCHECK) + 2 * GetSystemMetrics(SM_CXEDGE); }

}  // namespace

TString ForeignItemText(HMENU menu, UINT item, UINT byCommandOrPosition) {
  char text[256] = {};
  if (menu == nullptr || GetMenuStringA(menu, item, text, sizeof text, byCommandOrPosition) <= 0) {
    return TString("(項目)");
  }
  return TString(text);
}

void MeasureForeignItem(HMENU root, MEASUREITEMSTRUCT& measure) {
  const TString text = ForeignItemText(root, measure.itemID, MF_BYCOMMAND);
  HDC dc = GetDC(nullptr);
  RECT area{};
  if (dc != nullptr) {
    TMenuFontIn font(dc);
    DrawTextA(dc, text.c_str(), -1, &area, kTextFormat | DT_CALCRECT);
    ReleaseDC(nullptr, dc);
  }
  measure.itemWidth = static_cast<UINT>(std::max<LONG>(area.right - area.left, 0) + 2 * CheckRoom());
  measure.itemHeight =
      static_cast<UINT>(std::max<LONG>(area.bottom - area.top + 2 * GetSystemMetrics(SM_CYEDGE), GetSystemMetrics(SM_CYMENU)));
}

void DrawForeignItem(const DRAWITEMSTRUCT& draw) {
  const TString text = ForeignItemText(reinterpret_cast<HMENU>(draw.hwndItem), draw.itemID, MF_BYCOMMAND);
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const bool grayed = (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0;
  FillRect(draw.hDC, &draw.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if ((draw.itemState & ODS_CHECKED) != 0) {
    RECT check = draw.rcItem;
    check.right = check.left + CheckRoom();
    DrawFrameControl(draw.hDC, &check, DFC_MENU, DFCS_MENUCHECK);
  }
  TMenuFontIn font(draw.hDC);
  const int mode = SetBkMode(draw.hDC, TRANSPARENT);
  const COLORREF colour =
      SetTextColor(draw.hDC, GetSysColor(grayed ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT area = draw.rcItem;
  area.left += CheckRoom();
  DrawTextA(draw.hDC, text.c_str(), -1, &area, kTextFormat);
  SetTextColor(draw.hDC, colour);
  SetBkMode(draw.hDC, mode);
}
