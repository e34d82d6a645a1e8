#include <windows.h>

#include "framework/window/elements/HistoryElements.h"

#include <vector>

#include "framework/registry/RegEnum.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOINTEGRALHEIGHT |
                             LBS_SORT | LBS_NOTIFY;
constexpr DWORD kComboStyle = WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_AUTOHSCROLL | CBS_DROPDOWN;

}  // namespace

void THistoryElement::Save(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) return;
  {
    TRegSection section = OpenSection(keys, SettingsName());
    // Every old value goes first, so that a shorter history leaves no tail.
    DeleteAllValues(section.Handle());
    for (size_t i = 0; i < history_.size(); ++i) {
      TRegString(section.Keys(), TString(HistoryValueName(i).c_str())).Write(history_[i]);
    }
  }
  if (KeepsSelection()) TRegString(keys, "SelectText").Write(current_);
}

void THistoryElement::Load(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) return;
  history_.clear();
  {
    TRegSection section = OpenSection(keys, SettingsName());
    // The numbering ends at its first gap.
    for (size_t i = 0;; ++i) {
      TRegString value(section.Keys(), TString(HistoryValueName(i).c_str()));
      if (!value.Exists()) break;
      history_.push_back(value.Get(TString()));
    }
  }
  if (KeepsSelection()) current_ = TRegString(keys, "SelectText").Get(TString());
}

TLayoutSize THistoryElement::Measure(TShape&, HDC) {
  size_ = {width_, height_};
  return size_;
}

void THistoryElement::AddToHistory(const TString* text, int limit) {
  ::AddToHistory(history_, text != nullptr ? *text : ControlText(), limit);
}

void TListElement::Create(TShape& shape, int x, int y) {
  CreateControl(shape, x, y, WS_EX_CLIENTEDGE, "LISTBOX", TString(), kListStyle);
  ToControls();
}

void TListElement::ToControls() {
  HWND list = Control();
  if (list == nullptr) return;
  SendMessageA(list, LB_RESETCONTENT, 0, 0);
  for (const TString& text : history_) {
    SendMessageA(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  }
  const LRESULT found = SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(current_.c_str()));
  SendMessageA(list, LB_SETCURSEL, found == LB_ERR ? static_cast<WPARAM>(-1) : static_cast<WPARAM>(found), 0);
}

TString TListElement::ControlText() const {
  HWND list = Control();
  if (list == nullptr) return current_;
  const LRESULT selected = SendMessageA(list, LB_GETCURSEL, 0, 0);
  if (selected == LB_ERR) return TString();
  const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(selected), 0);
  if (length == LB_ERR) return TString();
  std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
  SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
  return TString(text.data());
}

void TListElement::FromControls() {
  if (Control() != nullptr) current_ = ControlText();
}

TComboElement::TComboElement(int width, int height, bool keepScrollBar, const TString& initialText)
    : THistoryElement(width, height), keepScrollBar_(keepScrollBar) {
  current_ = initialText;
}

void TComboElement::Create(TShape& shape, int x, int y) {
  CreateControl(shape, x, y, WS_EX_CLIENTEDGE, "COMBOBOX", TString(),
                kComboStyle | (keepScrollBar_ ? CBS_DISABLENOSCROLL : 0));
  ToControls();
}

void TComboElement::ToControls() {
  HWND combo = Control();
  if (combo == nullptr) return;
  SendMessageA(combo, CB_RESETCONTENT, 0, 0);
  for (const TString& text : history_) {
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  const LRESULT found = SendMessageA(combo, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(current_.c_str()));
  if (found != CB_ERR) SendMessageA(combo, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
  SetWindowTextA(combo, current_.c_str());
}

TString TComboElement::ControlText() const { return Control() != nullptr ? OwnWindowText(Control()) : current_; }

void TComboElement::FromControls() {
  if (Control() != nullptr) current_ = ControlText();
}
