#include <windows.h>

#include "framework/window/elements/CheckElement.h"

#include <algorithm>

#include "framework/registry/TRegValue.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/TShape.h"
#include "framework/window/shapes/pure/DockLayout.h"

namespace {

constexpr int kCheckHeight = 18;
// The mark and the space before the caption: the caption is painted 18
// pixels in, and its focus rectangle reaches one pixel beyond it.
constexpr int kCheckMarkWidth = 20;
// A dependent element sits under its box or choice, indented past the mark.
constexpr int kDependentIndent = 18;
constexpr int kDependentGap = 4;
constexpr DWORD kCheckStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX;
constexpr DWORD kRadioStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_NOTIFY | BS_AUTORADIOBUTTON;

bool IsTicked(HWND button) { return SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

// A caption's size plus, when there is one, a dependent below it.
TLayoutSize WithDependent(TLayoutSize own, const TLayoutSize* dependent) {
  if (dependent == nullptr) return own;
  return {std::max(own.width, kDependentIndent + dependent->width), own.height + kDependentGap + dependent->height};
}

}  // namespace

TCheckElement::TCheckElement(const TString& caption, bool ticked, int width)
    : caption_(caption), ticked_(ticked), width_(width) {}

TElement* TCheckElement::SetDependent(TElementPointer dependent) {
  dependent_ = std::move(dependent);
  return dependent_.get();
}

void TCheckElement::Save(const TRegKeyList& keys) {
  if (!SettingsName().IsEmpty()) TRegDword(keys, SettingsName()).Write(ticked_ ? 1 : 0);
  if (dependent_) dependent_->Save(keys);
}

void TCheckElement::Load(const TRegKeyList& keys) {
  if (!SettingsName().IsEmpty()) {
    TRegDword value(keys, SettingsName());
    if (value.Exists()) ticked_ = value.Get(0) != 0;
  }
  if (dependent_) dependent_->Load(keys);
}

TLayoutSize TCheckElement::Measure(TShape& shape, HDC dc) {
  shape.AddCaption(&caption_);
  ownSize_ = {width_ >= 0 ? width_ : CaptionWidth(dc, caption_) + kCheckMarkWidth, kCheckHeight};
  size_ = ownSize_;
  if (!dependent_) return ownSize_;
  const TLayoutSize dependent = dependent_->Measure(shape, dc);
  return WithDependent(ownSize_, &dependent);
}

void TCheckElement::Create(TShape& shape, int x, int y) {
  shape_ = &shape;
  CreateControl(shape, x, y, 0, "TransparentButton", caption_, kCheckStyle);
  if (dependent_) dependent_->Create(shape, x + kDependentIndent, y + ownSize_.height + kDependentGap);
  ToControls();
}

void TCheckElement::SetTicked(bool ticked) {
  ticked_ = ticked;
  ToControls();
}

void TCheckElement::ToControls() {
  if (Control() != nullptr) SendMessageA(Control(), BM_SETCHECK, ticked_ ? BST_CHECKED : BST_UNCHECKED, 0);
  EnableDependent();
  if (dependent_) dependent_->ToControls();
}

void TCheckElement::FromControls() {
  if (Control() != nullptr) ticked_ = IsTicked(Control());
  if (dependent_) dependent_->FromControls();
}

bool TCheckElement::OnCommand(int id, HWND control, int code) {
  if (Control() != nullptr && (control == Control() || id == Id())) {
    if (code == BN_CLICKED) {
      const bool now = IsTicked(Control());
      // A click that changed nothing (a keyboard repeat, a message) is no change.
      if (now != ticked_) {
        ticked_ = now;
        EnableDependent();
        if (shape_ != nullptr) shape_->OnElementChange(this);
      }
    }
    return true;
  }
  return dependent_ && dependent_->OnCommand(id, control, code);
}

void TCheckElement::Enable(bool on) {
  enabled_ = on;
  TControlElement::Enable(on);
  EnableDependent();
}

void TCheckElement::EnableDependent() {
  if (dependent_) dependent_->Enable(enabled_ && ticked_);
}

void TCheckElement::OnClose(TShape& shape) {
  if (dependent_) dependent_->OnClose(shape);
}

TRadioGroupElement::TRadioGroupElement(const TString& caption, DWORD initialValue)
    : caption_(caption), value_(initialValue) {}

void TRadioGroupElement::AddChoice(DWORD value, const TString& caption, TElementPointer dependent) {
  choices_.push_back(TRadioChoice{value, caption, std::move(dependent)});
}

void TRadioGroupElement::Save(const TRegKeyList& keys) {
  if (!SettingsName().IsEmpty()) TRegDword(keys, SettingsName()).Write(value_);
  for (auto& choice : choices_) {
    if (choice.dependent) choice.dependent->Save(keys);
  }
}

void TRadioGroupElement::Load(const TRegKeyList& keys) {
  if (!SettingsName().IsEmpty()) {
    TRegDword stored(keys, SettingsName());
    if (stored.Exists()) value_ = stored.Get(value_);
  }
  for (auto& choice : choices_) {
    if (choice.dependent) choice.dependent->Load(keys);
  }
}

TLayoutSize TRadioGroupElement::Measure(TShape& shape, HDC dc) {
  if (!caption_.IsEmpty()) shape.AddCaption(&caption_);
  sizes_.clear();
  heights_.clear();
  int width = 0;
  int height = 0;
  for (auto& choice : choices_) {
    shape.AddCaption(&choice.caption);
    const TLayoutSize own{CaptionWidth(dc, choice.caption) + kCheckMarkWidth, kCheckHeight};
    sizes_.push_back(own);
    TLayoutSize whole = own;
    if (choice.dependent) {
      const TLayoutSize dependent = choice.dependent->Measure(shape, dc);
      whole = WithDependent(own, &dependent);
    }
    width = std::max(width, whole.width);
    height += whole.height;
    heights_.push_back(whole.height);
  }
  size_ = {width + kGroupCaptionExtraWidth, height + kGroupCaptionExtraHeight};
  return size_;
}

void TRadioGroupElement::Create(TShape& shape, int x, int y) {
  shape_ = &shape;
  buttons_.clear();
  ids_.clear();
  // The binding keeps each handle's address: no reallocation may move them.
  buttons_.reserve(choices_.size());
  box_ = CreateWindowExA(0, "TransparentButton", "", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, x, y, size_.width,
                         size_.height, shape.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(-1)),
                         ProgramInstance(), nullptr);
  if (box_ != nullptr) {
    SetWindowTextA(box_, ToDisplayText(caption_).c_str());
    BindTransparentControl(box_, &box_);
  }
  int top = y + kGroupCaptionInset;
  for (size_t i = 0; i < choices_.size(); ++i) {
    const int id = shape.NextControlId();
    // The first button starts a new group of the dialog's navigation.
    const DWORD style = kRadioStyle | (i == 0 ? WS_GROUP : 0);
    HWND button = CreateWindowExA(0, "TransparentButton", ToDisplayText(choices_[i].caption).c_str(), style, x + kGroupCaptionInset,
                                  top, sizes_[i].width, sizes_[i].height, shape.Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ProgramInstance(), nullptr);
    buttons_.push_back(button);
    ids_.push_back(id);
    BindTransparentControl(button, &buttons_.back());
    if (choices_[i].dependent) {
      choices_[i].dependent->Create(shape, x + kGroupCaptionInset + kDependentIndent,
                                    top + sizes_[i].height + kDependentGap);
    }
    top += heights_[i];
  }
  if (box_ != nullptr) SetWindowPos(box_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ToControls();
}

void TRadioGroupElement::SetValue(DWORD value) {
  value_ = value;
  ToControls();
}

void TRadioGroupElement::ToControls() {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    SendMessageA(buttons_[i], BM_SETCHECK, choices_[i].value == value_ ? BST_CHECKED : BST_UNCHECKED, 0);
  }
  EnableDependents();
  for (auto& choice : choices_) {
    if (choice.dependent) choice.dependent->ToControls();
  }
}

void TRadioGroupElement::FromControls() {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (IsTicked(buttons_[i])) value_ = choices_[i].value;
  }
  for (auto& choice : choices_) {
    if (choice.dependent) choice.dependent->FromControls();
  }
}

bool TRadioGroupElement::OnCommand(int id, HWND control, int code) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (control != buttons_[i] && id != ids_[i]) continue;
    if (code == BN_CLICKED && IsTicked(buttons_[i]) && value_ != choices_[i].value) {
      value_ = choices_[i].value;
      EnableDependents();
      if (shape_ != nullptr) shape_->OnElementChange(this);
    }
    return true;
  }
  for (auto& choice : choices_) {
    if (choice.dependent && choice.dependent->OnCommand(id, control, code)) return true;
  }
  return false;
}

void TRadioGroupElement::Enable(bool on) {
  enabled_ = on;
  if (box_ != nullptr) EnableWindow(box_, on ? TRUE : FALSE);
  for (HWND button : buttons_) EnableWindow(button, on ? TRUE : FALSE);
  EnableDependents();
}

void TRadioGroupElement::EnableDependents() {
  for (auto& choice : choices_) {
    if (choice.dependent) choice.dependent->Enable(enabled_ && choice.value == value_);
  }
}
