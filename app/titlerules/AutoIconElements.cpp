#include <windows.h>

#include "app/titlerules/AutoIconElements.h"

#include "framework/icons/IconFactories.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr int kButtonGap = 6;
constexpr DWORD kPushButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

}  // namespace

TCaptionLabel::TCaptionLabel(const TString& caption, int width) : TTextElement(caption, width), caption_(caption) {}

TLayoutSize TCaptionLabel::Measure(TShape& shape, HDC dc) {
  shape.AddCaption(&caption_);
  return TTextElement::Measure(shape, dc);
}

void TCaptionLabel::Create(TShape& shape, int x, int y) {
  TTextElement::Create(shape, x, y);
  // The keyword has its letter now.
  SetText(caption_);
}

TSettingCheck::TSettingCheck(const TString& caption, bool initial, const TString& settingsName, int trailingGap)
    : TCheckElement(caption, initial), initial_(initial), trailingGap_(trailingGap) {
  SetSettingsName(settingsName);
}

void TSettingCheck::Load(const TRegKeyList& keys) {
  SetTicked(initial_);
  TCheckElement::Load(keys);
}

TLayoutSize TSettingCheck::Measure(TShape& shape, HDC dc) {
  TLayoutSize size = TCheckElement::Measure(shape, dc);
  size.width += trailingGap_;
  return size;
}

bool TSettingCheck::Shown() const {
  if (Control() == nullptr || !IsWindow(Control())) return Ticked();
  return SendMessageA(Control(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TAutoIconButtonColumn::TAutoIconButtonColumn(std::initializer_list<TButtonSpec> buttons, int leftGap)
    : leftGap_(leftGap) {
  buttons_.reserve(buttons.size());
  for (const TButtonSpec& spec : buttons) {
    TButtonDescriptor descriptor;
    descriptor.id = spec.id;
    descriptor.caption = spec.caption;
    descriptor.icon = spec.iconName != nullptr ? OwnResourceIcon(TResourceName(spec.iconName)) : nullptr;
    buttons_.push_back(descriptor);
    wanted_.push_back(spec.enabled);
  }
}

TLayoutSize TAutoIconButtonColumn::Measure(TShape& shape, HDC) {
  for (TButtonDescriptor& button : buttons_) shape.AddCaption(&button.caption);
  const int count = static_cast<int>(buttons_.size());
  if (count == 0) return {0, 0};
  return {leftGap_ + kPushButtonWidth, count * kPushButtonHeight + (count - 1) * kButtonGap};
}

void TAutoIconButtonColumn::Create(TShape& shape, int x, int y) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    TButtonDescriptor& button = buttons_[i];
    button.isDefault = false;
    const int top = y + static_cast<int>(i) * (kPushButtonHeight + kButtonGap);
    HWND window = CreateWindowExA(0, kTransparentPushButtonClass, ToDisplayText(button.caption).c_str(),
                                  kPushButtonStyle, x + leftGap_, top, kPushButtonWidth, kPushButtonHeight,
                                  shape.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)),
                                  ProgramInstance(), nullptr);
    if (window == nullptr) continue;
    BindPushButton(window, &button);
    Apply(i);
  }
}

void TAutoIconButtonColumn::Enable(bool on) {
  columnOn_ = on;
  for (size_t i = 0; i < buttons_.size(); ++i) Apply(i);
}

void TAutoIconButtonColumn::EnableButton(int id, bool on) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].id != id) continue;
    wanted_[i] = on;
    Apply(i);
  }
}

HWND TAutoIconButtonColumn::Button(int id) const {
  for (const TButtonDescriptor& button : buttons_) {
    if (button.id == id) return button.handle;
  }
  return nullptr;
}

void TAutoIconButtonColumn::Apply(size_t index) {
  HWND button = buttons_[index].handle;
  if (button == nullptr || !IsWindow(button)) return;
  const BOOL on = columnOn_ && wanted_[index] ? TRUE : FALSE;
  // A disabled button that keeps the focus leaves the keyboard nowhere.
  if (!on && GetFocus() == button) {
    HWND next = GetNextDlgTabItem(GetParent(button), button, FALSE);
    if (next != nullptr && next != button) SetFocus(next);
  }
  EnableWindow(button, on);
}
