#include <windows.h>

#include "framework/window/dropdown/ComboElement.h"

#include <objbase.h>
#include <shellapi.h>

#include <algorithm>

#include "framework/icons/IconFactories.h"
#include "framework/icons/IconSource.h"
#include "framework/path/ShellLink.h"
#include "framework/path/pure/PathText.h"
#include "framework/text/LetterCase.h"
#include "framework/window/core/TWindow.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/dropdown/ComboEdit.h"
#include "framework/window/dropdown/FloatComboList.h"
#include "framework/window/dropdown/pure/ComboChoice.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr int kIconSize = 16;
constexpr int kIconLeft = 1;
constexpr int kTextLeft = kIconLeft + kIconSize + 2;
constexpr int kEntryIconLeft = 2;
constexpr int kEntryTextLeft = kEntryIconLeft + kIconSize + 4;
constexpr int kMinimumEntryHeight = kIconSize + 2;

void RegisterFieldClass(WNDPROC procedure) {
  WNDCLASSA record;
  InitWindowClass(record);
  record.lpfnWndProc = procedure;
  record.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  record.lpszClassName = TOwnerDrawComboboxElement::kClassName;
  RegisterWindowClass(record);
}

}  // namespace

TString DroppedFileName(HWND window, HDROP drop) {
  if (window != nullptr) SetForegroundWindow(GetAncestor(window, GA_ROOT));
  // A longer name would come back cut, and a cut path may name another
  // file: such a drop gives no name at all.
  char path[MAX_PATH + 1] = {};
  const UINT length = DragQueryFileA(drop, 0, nullptr, 0);
  TString name;
  if (length <= MAX_PATH && DragQueryFileA(drop, 0, path, sizeof path) == length) name = TString(path);
  if (!name.IsEmpty() && ToLowerLetters(ExtensionOf(name)) == TString("lnk")) {
    TString target;
    if (ReadShortcut(name, &target) && !target.IsEmpty()) name = target;
  }
  DragFinish(drop);
  return name;
}

TOwnerDrawComboboxElement::TOwnerDrawComboboxElement(int width, int listHeight)
    : THistoryElement(width, kFieldHeight), listHeight_(listHeight) {}

TOwnerDrawComboboxElement::~TOwnerDrawComboboxElement() {
  // The list lives under the desktop: it does not go with the shape.
  if (list_) list_->Destroy();
  HWND field = Field();
  if (field != nullptr && IsWindow(field)) SetWindowLongPtrA(field, 0, 0);
}

HWND TOwnerDrawComboboxElement::Edit() const { return edit_ ? edit_->Handle() : nullptr; }
HWND TOwnerDrawComboboxElement::List() const { return list_ ? list_->Handle() : nullptr; }
int TOwnerDrawComboboxElement::ListId() const { return list_ ? list_->Id() : 0; }
bool TOwnerDrawComboboxElement::ListOpen() const { return list_ && list_->IsOpen(); }
int TOwnerDrawComboboxElement::ListSelection() const { return list_ ? list_->Selection() : kNoEntry; }

TIconSource* TOwnerDrawComboboxElement::IconFor(const TString&) { return nullptr; }

TLayoutSize TOwnerDrawComboboxElement::Measure(TShape& shape, HDC dc) {
  THistoryElement::Measure(shape, dc);
  size_.height = kFieldHeight;
  return size_;
}

void TOwnerDrawComboboxElement::Create(TShape& shape, int x, int y) {
  shape_ = &shape;
  font_ = shape.Font();
  RegisterFieldClass(FieldProcedureOf);
  HWND field = CreateControl(shape, x, y, WS_EX_CLIENTEDGE, kClassName, TString(), WS_CHILD | WS_VISIBLE);
  if (field == nullptr) return;
  SetWindowLongPtrA(field, 0, reinterpret_cast<LONG_PTR>(this));
  DragAcceptFiles(field, TRUE);
  edit_ = std::make_unique<TComboEdit>(*this);
  edit_->Create(shape.Handle(), shape.NextControlId(), font_);
  list_ = std::make_unique<TFloatComboList>();
  list_->Create(field, Edit(), shape.NextControlId(), font_);
  LayoutEdit();
  ToControls();
}

void TOwnerDrawComboboxElement::Enable(bool on) {
  if (!on) CloseList();
  TControlElement::Enable(on);
  if (Edit() != nullptr) EnableWindow(Edit(), on ? TRUE : FALSE);
}

std::vector<TString> TOwnerDrawComboboxElement::EntryTexts() const {
  std::vector<TString> texts;
  texts.reserve(entries_.size());
  for (const TEntry& entry : entries_) texts.push_back(entry.text);
  return texts;
}

void TOwnerDrawComboboxElement::ToControls() {
  entries_.clear();
  for (const TString& text : history_) entries_.push_back(TEntry{text, IconFor(text)});
  HWND list = List();
  if (list != nullptr) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    // Inserted, never added: the list keeps the history's order whatever its
    // sort style says, and each entry's data is its index.
    for (size_t i = 0; i < entries_.size(); ++i) {
      SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), static_cast<LPARAM>(i));
    }
  }
  icon_ = IconFor(current_);
  iconByDrop_ = false;
  typed_ = current_;
  SetEditText(current_);
  if (list_) list_->Select(ChooseCompletion(EntryTexts(), current_, current_, 0, 0).entry);
  if (Field() != nullptr) InvalidateRect(Field(), nullptr, TRUE);
}

void TOwnerDrawComboboxElement::FromControls() {
  if (Edit() != nullptr) current_ = EditText();
}

TString TOwnerDrawComboboxElement::ControlText() const { return Edit() != nullptr ? EditText() : current_; }

TString TOwnerDrawComboboxElement::EditText() const { return OwnWindowText(Edit()); }

void TOwnerDrawComboboxElement::SetEditText(const TString& text) {
  if (Edit() == nullptr) return;
  quiet_ = true;
  SendMessageA(Edit(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  quiet_ = false;
}

void TOwnerDrawComboboxElement::OpenList() {
  if (list_) list_->Open(listHeight_);
}

void TOwnerDrawComboboxElement::CloseList() {
  if (list_) list_->Close();
}

void TOwnerDrawComboboxElement::ToggleList() {
  if (list_) list_->Toggle(listHeight_);
}

void TOwnerDrawComboboxElement::Changed() {
  if (shape_ != nullptr) shape_->OnElementChange(this);
}

bool TOwnerDrawComboboxElement::OnCommand(int, HWND control, int code) {
  if (control == nullptr) return false;
  if (control == List()) {
    if (code == LBN_SELCHANGE) TakeListSelection();
    return true;
  }
  if (control != Edit()) return false;
  switch (code) {
    case EN_SETFOCUS:
      SendMessageA(Edit(), EM_SETSEL, 0, -1);
      break;
    case EN_UPDATE:
      if (!quiet_) CompleteTyped();
      break;
    case EN_CHANGE:
      if (!quiet_) TextChanged();
      break;
    default:
      break;
  }
  return true;
}

void TOwnerDrawComboboxElement::TakeListSelection() {
  const int selected = list_->Selection();
  if (selected == kNoEntry) return;
  const LRESULT data = SendMessageA(List(), LB_GETITEMDATA, static_cast<WPARAM>(selected), 0);
  if (data == LB_ERR || data < 0 || static_cast<size_t>(data) >= entries_.size()) return;
  const TEntry& entry = entries_[static_cast<size_t>(data)];
  current_ = entry.text;
  typed_ = entry.text;
  icon_ = entry.icon;
  iconByDrop_ = false;
  SetEditText(entry.text);
  SendMessageA(Edit(), EM_SETSEL, 0, -1);
  InvalidateRect(Field(), nullptr, FALSE);
  Changed();
}

void TOwnerDrawComboboxElement::CompleteTyped() {
  const TString text = EditText();
  DWORD start = 0;
  DWORD end = 0;
  SendMessageA(Edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const TCompletion completion = ChooseCompletion(EntryTexts(), typed_, text, start, end);
  typed_ = text;
  if (completion.completes) {
    SetEditText(completion.text);
    SendMessageA(Edit(), EM_SETSEL, static_cast<WPARAM>(completion.selectFrom), -1);
  }
  if (completion.entry != kNoEntry) list_->Select(completion.entry);
  Changed();
}

void TOwnerDrawComboboxElement::TextChanged() {
  current_ = EditText();
  icon_ = IconFor(current_);
  iconByDrop_ = false;
  InvalidateRect(Field(), nullptr, FALSE);
  Changed();
}

void TOwnerDrawComboboxElement::OnDropFiles(HDROP drop) {
  const TString name = DroppedFileName(Field(), drop);
  if (name.IsEmpty()) return;
  current_ = name;
  typed_ = name;
  SetEditText(name);
  icon_ = FileIcon(name);
  iconByDrop_ = true;
  InvalidateRect(Field(), nullptr, FALSE);
  Changed();
}

RECT TOwnerDrawComboboxElement::TextRect() const {
  RECT client{};
  GetClientRect(Field(), &client);
  return RECT{kTextLeft, 1, std::max<LONG>(kTextLeft, client.right - kButtonWidth - 1), client.bottom - 1};
}

RECT TOwnerDrawComboboxElement::ButtonRect() const {
  RECT client{};
  GetClientRect(Field(), &client);
  return RECT{std::max<LONG>(0, client.right - kButtonWidth), 0, client.right, client.bottom};
}

void TOwnerDrawComboboxElement::LayoutEdit() {
  HWND edit = Edit();
  if (edit == nullptr || Field() == nullptr) return;
  RECT text = TextRect();
  // The edit's own height for its font, centred in the text area.
  TEXTMETRICA metrics{};
  HDC dc = GetDC(edit);
  HGDIOBJ old = SelectObject(dc, font_);
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(edit, dc);
  const LONG height = std::min<LONG>(text.bottom - text.top, metrics.tmHeight + 2);
  text.top += (text.bottom - text.top - height) / 2;
  text.bottom = text.top + height;
  MapWindowPoints(Field(), GetParent(edit), reinterpret_cast<POINT*>(&text), 2);
  SetWindowPos(edit, nullptr, text.left, text.top, text.right - text.left, text.bottom - text.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void TOwnerDrawComboboxElement::PaintField() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Field(), &paint);
  const bool enabled = IsWindowEnabled(Field()) != FALSE;
  RECT client{};
  GetClientRect(Field(), &client);
  FillRect(dc, &client, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
  HICON icon = icon_ != nullptr ? icon_->GetIcon(kSmallIcon) : nullptr;
  if (icon != nullptr) {
    const int top = static_cast<int>(client.bottom - kIconSize) / 2;
    DrawStateA(dc, GetSysColorBrush(COLOR_BTNSHADOW), nullptr, reinterpret_cast<LPARAM>(icon), 0, kIconLeft, top,
               kIconSize, kIconSize, DST_ICON | (enabled ? 0 : DSS_DISABLED));
  }
  RECT button = ButtonRect();
  // A list closed by a click of its own never told the field the button was let go.
  if (!ListOpen()) pressed_ = false;
  const bool pushed = pressed_;
  DrawFrameControl(dc, &button, DFC_SCROLL,
                   DFCS_SCROLLCOMBOBOX | (pushed ? DFCS_PUSHED | DFCS_FLAT : 0) | (enabled ? 0 : DFCS_INACTIVE));
  EndPaint(Field(), &paint);
  // The edit lies over the field, which has just painted across it.
  if (Edit() != nullptr) RedrawWindow(Edit(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
}

void TOwnerDrawComboboxElement::MeasureEntry(MEASUREITEMSTRUCT& item) const {
  TEXTMETRICA metrics{};
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font_);
  GetTextMetricsA(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  item.itemHeight = static_cast<UINT>(std::max<LONG>(kMinimumEntryHeight, metrics.tmHeight + 2));
}

void TOwnerDrawComboboxElement::DrawEntry(const DRAWITEMSTRUCT& item) const {
  if (item.itemID == static_cast<UINT>(-1) || item.itemData >= entries_.size()) {
    if (item.itemAction & ODA_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
    return;
  }
  const TEntry& entry = entries_[item.itemData];
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  RECT box = item.rcItem;
  FillRect(item.hDC, &box, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  HICON icon = entry.icon != nullptr ? entry.icon->GetIcon(kSmallIcon) : nullptr;
  if (icon != nullptr) {
    const int top = static_cast<int>(box.top + (box.bottom - box.top - kIconSize) / 2);
    DrawIconEx(item.hDC, box.left + kEntryIconLeft, top, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  }
  RECT text = box;
  text.left += kEntryTextLeft;
  const int oldMode = SetBkMode(item.hDC, TRANSPARENT);
  const COLORREF oldColour = SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  HGDIOBJ oldFont = SelectObject(item.hDC, font_);
  DrawTextA(item.hDC, entry.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  SelectObject(item.hDC, oldFont);
  SetTextColor(item.hDC, oldColour);
  SetBkMode(item.hDC, oldMode);
  if ((item.itemState & ODS_FOCUS) != 0) DrawFocusRect(item.hDC, &box);
}

void TOwnerDrawComboboxElement::OnMouseDown(POINT point) {
  const RECT button = ButtonRect();
  if (!PtInRect(&button, point)) return;
  ToggleList();
  if (!ListOpen()) return;
  if (Edit() != nullptr) SetFocus(Edit());
  pressed_ = true;
  InvalidateRect(Field(), nullptr, FALSE);
  SetCapture(Field());
}

void TOwnerDrawComboboxElement::OnMouseMove(POINT point, WPARAM keys) {
  if ((keys & MK_LBUTTON) == 0 || !ListOpen()) return;
  const RECT button = ButtonRect();
  const bool inside = PtInRect(&button, point) != FALSE;
  if (inside != pressed_) {
    pressed_ = inside;
    InvalidateRect(Field(), nullptr, FALSE);
  }
  POINT screen = point;
  ClientToScreen(Field(), &screen);
  RECT list{};
  GetWindowRect(List(), &list);
  // Dragged onto the list: the list follows the mouse from here on.
  if (PtInRect(&list, screen)) SetCapture(List());
}

LRESULT CALLBACK TOwnerDrawComboboxElement::FieldProcedureOf(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* element = reinterpret_cast<TOwnerDrawComboboxElement*>(GetWindowLongPtrA(hwnd, 0));
  if (element == nullptr || element->Field() != hwnd) return DefWindowProcA(hwnd, msg, wParam, lParam);
  return element->FieldProcedure(msg, wParam, lParam);
}

LRESULT TOwnerDrawComboboxElement::FieldProcedure(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND field = Field();
  switch (msg) {
    case WM_SIZE:
      LayoutEdit();
      return 0;
    case WM_SETFOCUS:
      if (Edit() != nullptr) SetFocus(Edit());
      return 0;
    case WM_ENABLE:
      InvalidateRect(field, nullptr, TRUE);
      return 0;
    case WM_PAINT:
      PaintField();
      return 0;
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlType != ODT_LISTBOX) break;
      MeasureEntry(item);
      return TRUE;
    }
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlType != ODT_LISTBOX || item.hwndItem != List()) break;
      DrawEntry(item);
      return TRUE;
    }
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), reinterpret_cast<HWND>(lParam), HIWORD(wParam)) ? 0 : -1;
    case WM_LBUTTONDOWN:
      OnMouseDown(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}, wParam);
      return 0;
    case WM_LBUTTONUP:
      pressed_ = false;
      InvalidateRect(field, nullptr, FALSE);
      if (GetCapture() == field) ReleaseCapture();
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_SYSCOMMAND:
      return 0;
    case WM_DESTROY:
      if (list_) list_->Destroy();
      break;
    default:
      break;
  }
  return DefWindowProcA(field, msg, wParam, lParam);
}
