#include <windows.h>

#include "framework/window/elements/ControlElement.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "framework/system/LazyLibrary.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/TShape.h"
#include "framework/window/shapes/pure/Captions.h"

namespace {

constexpr int kLabelHeight = 12;
constexpr int kEditHeight = 18;
constexpr int kUpDownWidth = 18;
constexpr int kSliderHeight = 21;

// An edit breaks lines only at CR LF: a lone LF becomes one. LF is below
// 0x40, so it is never the second byte of a double-byte character.
TString WithEditLineBreaks(const TString& text) {
  std::string lines;
  const std::string& bytes = text.Bytes();
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r')) lines += '\r';
    lines += bytes[i];
  }
  return TString(lines.c_str(), lines.size());
}

}  // namespace

int CaptionWidth(HDC dc, const TString& caption) {
  const TString shown = ToDisplayText(MeasureCaption(caption));
  RECT box{0, 0, 0, 0};
  if (dc != nullptr) DrawTextA(dc, shown.c_str(), -1, &box, DT_CALCRECT | DT_SINGLELINE);
  return static_cast<int>(box.right - box.left);
}

HWND TControlElement::CreateControl(TShape& shape, int x, int y, DWORD exStyle, const char* className,
                                    const TString& text, DWORD style) {
  id_ = shape.NextControlId();
  control_ = CreateWindowExA(exStyle, className, ToDisplayText(text).c_str(), style, x, y, size_.width,
                             size_.height, shape.Handle(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                             ProgramInstance(), nullptr);
  // The transparent classes paint themselves once bound; the binding keeps
  // the address of the handle, which is what a control object starts with.
  BindTransparentControl(control_, &control_);
  return control_;
}

void TControlElement::Enable(bool on) {
  if (control_ != nullptr && IsWindow(control_)) EnableWindow(control_, on ? TRUE : FALSE);
}

TTextElement::TTextElement(const TString& text, int width, DWORD staticStyle)
    : text_(text), width_(width), staticStyle_(staticStyle) {}

std::unique_ptr<TTextElement> TTextElement::Message(const TString& text) {
  auto element = std::make_unique<TTextElement>(text);
  element->multiLine_ = true;
  element->SetDock(kDockLeft);
  element->SetAlign(kAlignCentre);
  return element;
}

TLayoutSize TTextElement::Measure(TShape&, HDC dc) {
  if (!multiLine_) {
    size_ = {width_ >= 0 ? width_ : CaptionWidth(dc, text_), kLabelHeight};
    return size_;
  }
  // Every line with its tabs, an empty line one line high; the edit draws
  // one pixel in from its left edge.
  RECT box{0, 0, 0, 0};
  const TString shown = ToDisplayText(text_);
  if (dc != nullptr) {
    DrawTextA(dc, shown.IsEmpty() ? " " : shown.c_str(), -1, &box, DT_CALCRECT | DT_EXPANDTABS | DT_NOPREFIX);
  }
  size_ = {static_cast<int>(box.right - box.left) + 4, static_cast<int>(box.bottom - box.top) + 2};
  return size_;
}

void TTextElement::Create(TShape& shape, int x, int y) {
  if (multiLine_) {
    CreateControl(shape, x, y, 0, "TransparentEdit", WithEditLineBreaks(text_),
                  WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOHSCROLL | ES_READONLY);
    return;
  }
  CreateControl(shape, x, y, 0, "TransparentStatic", text_, WS_CHILD | WS_VISIBLE | staticStyle_);
}

void TTextElement::SetText(const TString& text) {
  text_ = text;
  if (Control() != nullptr) SetWindowTextA(Control(), ToDisplayText(text).c_str());
}

TNumberElement::TNumberElement(int width, int lower, int upper, int value)
    : width_(width), lower_(std::min(lower, upper)), upper_(std::max(lower, upper)),
      value_(std::clamp(value, std::min(lower, upper), std::max(lower, upper))) {}

TLayoutSize TNumberElement::Measure(TShape&, HDC) {
  size_ = {std::max(width_, kUpDownWidth + 8), kEditHeight};
  return size_;
}

void TNumberElement::Create(TShape& shape, int x, int y) {
  HWND edit = CreateControl(shape, x, y, WS_EX_CLIENTEDGE, "EDIT", TString(),
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NUMBER | ES_AUTOHSCROLL);
  // The up-down control sits inside the edit's width at its right end and
  // keeps the edit's text a number within the bounds.
  upDown_ = LazyCreateUpDownControl(WS_CHILD | WS_VISIBLE | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS, 0, 0,
                                kUpDownWidth, kEditHeight, shape.Handle(), shape.NextControlId(), ProgramInstance(),
                                edit, upper_, lower_, value_);
  ToControls();
}

void TNumberElement::Enable(bool on) {
  TControlElement::Enable(on);
  if (upDown_ != nullptr && IsWindow(upDown_)) EnableWindow(upDown_, on ? TRUE : FALSE);
}

void TNumberElement::SetValue(int value) { value_ = std::clamp(value, lower_, upper_); }

void TNumberElement::ToControls() {
  if (upDown_ != nullptr) SendMessageA(upDown_, UDM_SETPOS, 0, MAKELPARAM(value_, 0));
  if (Control() != nullptr) SetDlgItemInt(GetParent(Control()), Id(), static_cast<UINT>(value_), TRUE);
}

void TNumberElement::FromControls() {
  if (Control() == nullptr) return;
  BOOL read = FALSE;
  const int typed = static_cast<int>(GetDlgItemInt(GetParent(Control()), Id(), &read, TRUE));
  if (read) SetValue(typed);
}

TSliderElement::TSliderElement(int width, int minimum, int maximum, int position)
    : width_(width), minimum_(std::min(minimum, maximum)), maximum_(std::max(minimum, maximum)),
      position_(std::clamp(position, std::min(minimum, maximum), std::max(minimum, maximum))) {}

TLayoutSize TSliderElement::Measure(TShape&, HDC) {
  size_ = {width_, kSliderHeight};
  return size_;
}

void TSliderElement::Create(TShape& shape, int x, int y) {
  LoadCommonControls();
  HWND slider = CreateControl(shape, x, y, 0, TRACKBAR_CLASSA, TString(), WS_CHILD | WS_VISIBLE | WS_TABSTOP);
  if (slider == nullptr) return;
  SendMessageA(slider, TBM_SETRANGEMIN, FALSE, minimum_);
  SendMessageA(slider, TBM_SETRANGEMAX, FALSE, maximum_);
  SendMessageA(slider, TBM_SETLINESIZE, 0, 1);
  SendMessageA(slider, TBM_SETPAGESIZE, 0, (maximum_ - minimum_) / 10);
  ToControls();
}

void TSliderElement::ToControls() {
  if (Control() != nullptr) SendMessageA(Control(), TBM_SETPOS, TRUE, position_);
}

void TSliderElement::FromControls() {
  if (Control() != nullptr) position_ = static_cast<int>(SendMessageA(Control(), TBM_GETPOS, 0, 0));
}

bool TSliderElement::OnScroll(HWND bar, int, int) {
  if (bar == nullptr || bar != Control()) return false;
  FromControls();
  return true;
}
