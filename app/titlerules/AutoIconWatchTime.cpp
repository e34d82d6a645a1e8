#include <windows.h>

#include "app/titlerules/AutoIconWatchTime.h"

#include <commctrl.h>

#include "app/titlerules/pure/AutoIconTitles.h"
#include "framework/registry/TRegValue.h"
#include "framework/system/LazyLibrary.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr int kEditWidth = 28;
constexpr int kUpDownWidth = 18;
constexpr int kHeight = 18;

}  // namespace

TWatchTimeElement::TWatchTimeElement() { SetSettingsName("WatchTime"); }

void TWatchTimeElement::Save(const TRegKeyList& keys) {
  if (!SettingsName().IsEmpty()) TRegDword(keys, SettingsName()).Write(static_cast<DWORD>(value_));
}

void TWatchTimeElement::Load(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) return;
  TRegDword stored(keys, SettingsName());
  value_ = stored.Exists() ? static_cast<int>(stored.Get(kInitial)) : kInitial;
}

TLayoutSize TWatchTimeElement::Measure(TShape&, HDC) {
  // The up-down takes its width from the edit's right end.
  size_ = {kEditWidth + kUpDownWidth, kHeight};
  return size_;
}

void TWatchTimeElement::Create(TShape& shape, int x, int y) {
  CreateControl(shape, x, y, WS_EX_CLIENTEDGE, "EDIT", TString(),
                WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL | ES_RIGHT);
  // Its id is taken now, so that every id of the dialog stays what it was.
  upDownId_ = shape.NextControlId();
  ToControls();
}

void TWatchTimeElement::MakeUpDown() {
  HWND edit = Control();
  if (upDown_ != nullptr || edit == nullptr) return;
  // The up-down writes its position into the edit as it is made: no typing either.
  writing_ = true;
  upDown_ = LazyCreateUpDownControl(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS |
                                        UDS_NOTHOUSANDS,
                                    0, 0, kUpDownWidth, kHeight, GetParent(edit), upDownId_, ProgramInstance(), edit,
                                    kUpper, kLower, value_);
  writing_ = false;
  if (upDown_ != nullptr) EnableWindow(upDown_, IsWindowEnabled(edit));
  ToControls();
}

bool TWatchTimeElement::OnCommand(int id, HWND control, int code) {
  if (Control() == nullptr || (control != Control() && id != Id())) return false;
  if (code == EN_CHANGE && !writing_) {
    value_ = ReadWatchTime(OwnWindowText(Control()), kLower, kUpper, value_);
  } else if (code == EN_KILLFOCUS) {
    ToControls();
  }
  return true;
}

void TWatchTimeElement::Enable(bool on) {
  TControlElement::Enable(on);
  if (upDown_ != nullptr && IsWindow(upDown_)) EnableWindow(upDown_, on ? TRUE : FALSE);
}

void TWatchTimeElement::ToControls() {
  if (Control() == nullptr) return;
  writing_ = true;
  if (upDown_ != nullptr) SendMessageA(upDown_, UDM_SETPOS, 0, MAKELPARAM(value_, 0));
  SetDlgItemInt(GetParent(Control()), Id(), static_cast<UINT>(value_), TRUE);
  writing_ = false;
}
