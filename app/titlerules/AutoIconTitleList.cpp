#include <windows.h>

#include "app/titlerules/AutoIconTitleList.h"

#include <algorithm>
#include <vector>

#include "framework/icons/IconSource.h"
#include "framework/window/shapes/TShape.h"

namespace {

// The entry's text starts where a floating edit laid 22 pixels in shows its
// own text, after a 16 x 16 icon with two pixels either side.
constexpr int kIconLeft = 2;
constexpr int kIconSize = 16;
constexpr int kTextLeft = 22;
constexpr int kMinimumEntryHeight = 18;
constexpr DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | WS_CLIPSIBLINGS | LBS_NOTIFY |
                         LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;

TString BoxText(HWND box, int index) {
  const LRESULT length = SendMessageA(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length == LB_ERR || length < 0) return TString();
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(box, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  return TString(text.data());
}

}  // namespace

TTitleListElement::TTitleListElement(int width, int height, TIconSource* icon)
    : TListElement(width, height), icon_(icon) {}

TLayoutSize TTitleListElement::Measure(TShape& shape, HDC dc) {
  TEXTMETRICA metrics{};
  if (dc != nullptr && GetTextMetricsA(dc, &metrics)) {
    entryHeight_ = std::max(kMinimumEntryHeight, static_cast<int>(metrics.tmHeight) + 6);
  }
  return TListElement::Measure(shape, dc);
}

void TTitleListElement::Create(TShape& shape, int x, int y) {
  CreateControl(shape, x, y, WS_EX_CLIENTEDGE, "LISTBOX", TString(), kStyle);
  ToControls();
}

void TTitleListElement::ToControls() {
  HWND box = Control();
  if (box == nullptr) return;
  SendMessageA(box, WM_SETREDRAW, FALSE, 0);
  SendMessageA(box, LB_RESETCONTENT, 0, 0);
  for (const TString& text : history_) {
    SendMessageA(box, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  }
  SendMessageA(box, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(box, nullptr, TRUE);
  SelectCurrent();
}

void TTitleListElement::FromControls() {
  HWND box = Control();
  if (box == nullptr) return;
  history_.clear();
  for (const TString& text : Entries()) history_.push_back(text);
  const LRESULT selected = SendMessageA(box, LB_GETCURSEL, 0, 0);
  if (selected != LB_ERR) current_ = BoxText(box, static_cast<int>(selected));
}

TTextList TTitleListElement::Entries() const {
  TTextList entries;
  HWND box = Control();
  if (box == nullptr) {
    for (const TString& text : history_) entries.Append(text);
    return entries;
  }
  const int count = Count();
  for (int i = 0; i < count; ++i) entries.Append(BoxText(box, i));
  return entries;
}

int TTitleListElement::Count() const {
  if (Control() == nullptr) return static_cast<int>(history_.size());
  const LRESULT count = SendMessageA(Control(), LB_GETCOUNT, 0, 0);
  return count == LB_ERR ? 0 : static_cast<int>(count);
}

int TTitleListElement::Find(const TString& text) const { return Entries().Find(text); }

TString TTitleListElement::EntryText(int index) const { return Entries().Item(index); }

int TTitleListElement::Append(const TString& text) {
  if (Control() == nullptr) {
    history_.push_back(text);
    return static_cast<int>(history_.size()) - 1;
  }
  const LRESULT at = SendMessageA(Control(), LB_INSERTSTRING, static_cast<WPARAM>(-1),
                                  reinterpret_cast<LPARAM>(text.c_str()));
  return at == LB_ERR || at == LB_ERRSPACE ? -1 : static_cast<int>(at);
}

void TTitleListElement::Replace(int index, const TString& text) {
  HWND box = Control();
  if (box == nullptr || index < 0 || index >= Count()) return;
  SendMessageA(box, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageA(box, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

void TTitleListElement::Remove(int index) {
  if (Control() == nullptr || index < 0 || index >= Count()) return;
  SendMessageA(Control(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void TTitleListElement::Select(int index) {
  HWND box = Control();
  if (box == nullptr) return;
  const bool valid = index >= 0 && index < Count();
  SendMessageA(box, LB_SETCURSEL, valid ? static_cast<WPARAM>(index) : static_cast<WPARAM>(-1), 0);
  current_ = valid ? BoxText(box, index) : TString();
}

void TTitleListElement::SelectCurrent() {
  HWND box = Control();
  if (box == nullptr) return;
  const int found = Find(current_);
  SendMessageA(box, LB_SETCURSEL, found >= 0 ? static_cast<WPARAM>(found) : static_cast<WPARAM>(-1), 0);
}

RECT TTitleListElement::EntryRectangle(int index) const {
  RECT rect{0, 0, 0, 0};
  if (Control() != nullptr) {
    SendMessageA(Control(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
  }
  return rect;
}

void TTitleListElement::SetEditedEntry(int index) {
  editedEntry_ = index;
  if (Control() != nullptr) InvalidateRect(Control(), nullptr, TRUE);
}

bool TTitleListElement::MeasureEntry(MEASUREITEMSTRUCT& item) const {
  if (item.CtlType != ODT_LISTBOX || static_cast<int>(item.CtlID) != Id()) return false;
  item.itemHeight = static_cast<UINT>(entryHeight_);
  return true;
}

bool TTitleListElement::DrawEntry(const DRAWITEMSTRUCT& item) const {
  if (item.CtlType != ODT_LISTBOX || item.hwndItem != Control()) return false;
  HDC dc = item.hDC;
  RECT whole = item.rcItem;
  const bool enabled = IsWindowEnabled(item.hwndItem) != FALSE;
  const bool selected = enabled && (item.itemState & ODS_SELECTED) != 0 &&
                        static_cast<int>(item.itemID) != editedEntry_;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  // The icon stands on the box's background; the selection marks the text.
  FillRect(dc, &whole, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
  if (item.itemID == static_cast<UINT>(-1)) {
    // An empty box still shows where the focus is.
    if (focused) DrawFocusRect(dc, &whole);
    return true;
  }
  RECT label = whole;
  label.left += kTextLeft - 2;
  if (selected) FillRect(dc, &label, GetSysColorBrush(COLOR_HIGHLIGHT));

  HICON icon = icon_ != nullptr ? icon_->GetIcon(kSmallIcon) : nullptr;
  const int iconTop = whole.top + (whole.bottom - whole.top - kIconSize) / 2;
  if (icon != nullptr) {
    if (enabled) {
      DrawIconEx(dc, whole.left + kIconLeft, iconTop, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    } else {
      DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(icon), 0, whole.left + kIconLeft, iconTop, kIconSize,
                 kIconSize, DST_ICON | DSS_DISABLED);
    }
  }

  const TString text = BoxText(item.hwndItem, static_cast<int>(item.itemID));
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0));
  HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
  const int oldMode = SetBkMode(dc, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(
      dc, GetSysColor(!enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  RECT textBox = whole;
  textBox.left += kTextLeft;
  textBox.right -= 2;
  DrawTextA(dc, text.c_str(), -1, &textBox, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
  if (previous != nullptr) SelectObject(dc, previous);
  if (focused && enabled && static_cast<int>(item.itemID) != editedEntry_) DrawFocusRect(dc, &label);
  return true;
}
