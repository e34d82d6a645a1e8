#include <windows.h>

#include "framework/window/dialogs/MessageShape.h"

#include <algorithm>

#include <mmsystem.h>

#include "framework/icons/IconFactories.h"
#include "framework/icons/IconSource.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegRoots.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/system/LazyLibrary.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/core/ProgramHelp.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 21;
constexpr int kButtonGap = 6;
// What a button needs beside its caption: the icon, its gap and the edges.
constexpr int kButtonChrome = 32;
constexpr int kIconSize = 32;
constexpr DWORD kPushButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
constexpr DWORD kStereotypeHelpId = 1001;
const char kStereotypeCaption[] = "次回からこのメッセージを表示しない(&WITHOUTSTEREOTYPEMESSAGE&)";
const char kStereotypeSection[] = "WithoutStereotype";

bool HasDefaultPushButton(HWND shape) {
  for (HWND child = GetWindow(shape, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    const TButtonDescriptor* descriptor = PushButtonDescriptor(child);
    if (descriptor != nullptr && descriptor->isDefault) return true;
    char name[32] = {};
    GetClassNameA(child, name, sizeof name);
    if (lstrcmpiA(name, "Button") == 0 && (GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) return true;
  }
  return false;
}

// "No" in any letter case, or "いいえ": the user turned the beeps off.
bool SoundsTurnedOff() {
  TRegKeyList sound(RegCurrentUser, "Control Panel\\Sound");
  if (sound.Open(KEY_READ) != ERROR_SUCCESS) return false;
  const TString beep = TRegString(sound, "Beep").Get(TString());
  sound.Close();
  const std::string& bytes = beep.Bytes();
  const bool no = bytes.size() == 2 && (bytes[0] == 'N' || bytes[0] == 'n') && (bytes[1] == 'O' || bytes[1] == 'o');
  return no || beep == TString("いいえ");
}

// The button of the shape's rows that gives `answer`, once created. Help
// opens the help file and closes nothing, and any other child (the text, the
// check box) posts a command nothing ends on: neither can be an answer.
const TButtonDescriptor* AnsweringButton(const TGroupElement& group, DWORD answer) {
  for (size_t i = 0; i < group.Count(); ++i) {
    const TElement& child = group.Child(i);
    if (const auto* row = dynamic_cast<const TButtonRow*>(&child)) {
      for (const TButtonDescriptor& button : row->Buttons()) {
        if (button.id != IDHELP && static_cast<DWORD>(button.id) == answer && button.handle != nullptr) return &button;
      }
    } else if (const auto* inner = dynamic_cast<const TGroupElement*>(&child)) {
      if (const TButtonDescriptor* button = AnsweringButton(*inner, answer)) return button;
    }
  }
  return nullptr;
}

TIconElement* SharedIcon(TIconSource* icon, const char* sound) {
  auto* element = new TIconElement(icon, sound);
  element->SetDock(kDockLeft);
  element->SetAlign(kAlignTop);
  return element;
}

}  // namespace

TButtonRow::TButtonRow(std::initializer_list<TButtonSpec> buttons) {
  for (const TButtonSpec& spec : buttons) {
    TButtonDescriptor descriptor;
    descriptor.id = spec.id;
    descriptor.caption = spec.caption;
    descriptor.icon = spec.iconName != nullptr ? OwnResourceIcon(TResourceName(spec.iconName)) : spec.icon;
    buttons_.push_back(descriptor);
    enabled_.push_back(spec.enabled);
    helpIds_.push_back(spec.helpId);
  }
}

std::unique_ptr<TButtonRow> MakeButtonRow(int orientation, std::initializer_list<TButtonSpec> buttons) {
  auto row = std::make_unique<TButtonRow>(buttons);
  // Orientation 3 is the bottom band, centred; the others take their dock
  // value from the orientation as a group's children do.
  row->SetDock(orientation);
  row->SetAlign(kAlignCentre);
  return row;
}

TLayoutSize TButtonRow::Measure(TShape& shape, HDC dc) {
  for (TButtonDescriptor& button : buttons_) shape.AddCaption(&button.caption);
  widths_.clear();
  int total = 0;
  for (const TButtonDescriptor& button : buttons_) {
    widths_.push_back(std::max(kButtonWidth, CaptionWidth(dc, button.caption) + kButtonChrome));
    total += widths_.back() + (total == 0 ? 0 : kButtonGap);
  }
  return {total, buttons_.empty() ? 0 : kButtonHeight};
}

void TButtonRow::Create(TShape& shape, int x, int y) {
  shape_ = &shape;
  const bool defaultTaken = HasDefaultPushButton(shape.Handle());
  for (size_t i = 0; i < buttons_.size(); ++i) {
    TButtonDescriptor& button = buttons_[i];
    button.isDefault = i == 0 && !defaultTaken;
    const int width = i < widths_.size() ? widths_[i] : kButtonWidth;
    HWND window = CreateWindowExA(0, "TransparentPushButton", ToDisplayText(button.caption).c_str(), kPushButtonStyle,
                                  x, y, width, kButtonHeight, shape.Handle(),
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(button.id)), ProgramInstance(), nullptr);
    if (window == nullptr) continue;
    BindPushButton(window, &button);
    button.handle = window;
    if (!enabled_[i]) EnableWindow(window, FALSE);
    if (helpIds_[i] != -1) SetWindowContextHelpId(window, static_cast<DWORD>(helpIds_[i]));
    x += width + kButtonGap;
  }
}

bool TButtonRow::OnCommand(int id, HWND control, int) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    const TButtonDescriptor& button = buttons_[i];
    if (control != button.handle && id != button.id) continue;
    if (button.id == IDHELP) {
      MessageBeep(MB_ICONASTERISK);
      ShowProgramHelp(shape_ != nullptr ? shape_->Handle() : nullptr, HELP_CONTEXT, static_cast<ULONG_PTR>(helpIds_[i]),
                      shape_ != nullptr ? shape_->HelpSection() : TString());
      return true;
    }
    if (shape_ != nullptr) shape_->EndShape(button.id);
    return true;
  }
  return false;
}

void TButtonRow::Enable(bool on) {
  for (size_t i = 0; i < buttons_.size(); ++i) {
    if (buttons_[i].handle != nullptr) EnableWindow(buttons_[i].handle, on && enabled_[i] ? TRUE : FALSE);
  }
}

TIconElement::TIconElement(TIconSource* icon, const char* sound) : icon_(icon), sound_(sound) {}

TLayoutSize TIconElement::Measure(TShape&, HDC) { return {kIconSize, kIconSize}; }

void TIconElement::Create(TShape& shape, int x, int y) {
  x_ = x;
  y_ = y;
  shape.AddToPaintList(this);
}

void TIconElement::Paint(TShape&, HDC dc) {
  HICON icon = icon_ != nullptr ? icon_->GetIcon(kLargeIcon) : nullptr;
  if (icon != nullptr) DrawIconEx(dc, x_, y_, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
}

void TIconElement::OnShow(TShape& shape, bool shown) {
  if (shown && !shape.Sounding() && PlayIconSound(*this, false)) shape.SetSounding(true);
}

TIconElement* InformationIcon() {
  static TIconElement* const element = SharedIcon(StockIcon(32516), "SystemAsterisk");
  return element;
}
TIconElement* WarningIcon() {
  static TIconElement* const element = SharedIcon(StockIcon(32515), "SystemExclamation");
  return element;
}
TIconElement* QuestionIcon() {
  static TIconElement* const element = SharedIcon(StockIcon(32514), "SystemQuestion");
  return element;
}
TIconElement* ErrorIcon() {
  static TIconElement* const element = SharedIcon(StockIcon(32513), "SystemHand");
  return element;
}
TIconElement* CureIcon() {
  static TIconElement* const element = SharedIcon(OwnResourceIcon(TResourceName("CURE_ICON")), "SystemAsterisk");
  return element;
}
TIconElement* ApplicationIcon() {
  static TIconElement* const element = SharedIcon(OwnResourceIcon(TResourceName("APPLICATION_ICON")), nullptr);
  return element;
}
TIconElement* WindowsLogoIcon() {
  static TIconElement* const element = SharedIcon(StockIcon(32517), nullptr);
  return element;
}

const char* IconSoundAlias(const TIconElement& icon, bool force) {
  if (!force && SoundsTurnedOff()) return nullptr;
  if (icon.Sound() != nullptr) return icon.Sound();
  return force ? ".Default" : nullptr;
}

bool PlayIconSound(const TIconElement& icon, bool force) {
  const char* alias = IconSoundAlias(icon, force);
  if (alias == nullptr) return false;
  return LazyPlaySound(alias, nullptr, SND_ALIAS | SND_NOWAIT | SND_ASYNC) != FALSE;
}

TStereotypeCheck::TStereotypeCheck(const TString& key) : TCheckElement(kStereotypeCaption, false) {
  SetSettingsName(key);
  SetDock(kDockBottom);
  SetAlign(kAlignCentre);
}

std::unique_ptr<TStereotypeCheck> MakeStereotypeCheck(const TString& key) {
  return std::make_unique<TStereotypeCheck>(key);
}

TString TStereotypeCheck::ValueName(const TShape& shape) const {
  return SettingsName().IsEmpty() ? shape.SettingsName() : SettingsName();
}

TLayoutSize TStereotypeCheck::Measure(TShape& shape, HDC dc) {
  {
    TRegSection section = OpenSection(ApplicationKeys(), kStereotypeSection);
    answer_ = TRegDword(section.Keys(), ValueName(shape)).Get(0);
  }
  SetTicked(answer_ != 0);
  // Shift shows even a suppressed message, ticked, so that it can be unticked.
  skip_ = answer_ != 0 && (GetKeyState(VK_SHIFT) & 0x8000) == 0;
  if (skip_) shape.SetShow(false);
  return TCheckElement::Measure(shape, dc);
}

void TStereotypeCheck::Create(TShape& shape, int x, int y) {
  TCheckElement::Create(shape, x, y);
  if (Control() != nullptr) SetWindowContextHelpId(Control(), kStereotypeHelpId);
  if (skip_) {
    const TButtonDescriptor* button = AnsweringButton(shape.Content(), answer_);
    if (button != nullptr) {
      // The loop delivers the remembered answer as if the user had pressed it.
      PostMessageA(shape.Handle(), WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED),
                   reinterpret_cast<LPARAM>(button->handle));
      return;
    }
    // An answer no button of this message gives (an edited value, a reused
    // key) would leave a hidden box that never closes: ask instead.
    skip_ = false;
    shape.SetShow(true);
  }
  shape.RequestContextHelp();
}

void TStereotypeCheck::OnClose(TShape& shape) {
  TCheckElement::OnClose(shape);
  // A cancelled message is never suppressed, and an earlier answer stays.
  if (Ticked() && shape.Result() == IDCANCEL) return;
  TRegSection section = OpenSection(ApplicationKeys(), kStereotypeSection);
  TRegDword(section.Keys(), ValueName(shape)).Write(Ticked() ? static_cast<DWORD>(shape.Result()) : 0);
}

int MessageShapeTitledV(const TWindow* owner, const char* key, const char* title, va_list elements) {
  TShape shape(owner != nullptr ? owner->Handle() : nullptr, title);
  shape.SetPlacementName(key != nullptr ? TString(key) : TString());
  for (TElement* element = va_arg(elements, TElement*); element != nullptr; element = va_arg(elements, TElement*)) {
    shape.Content().AddShared(element);
  }
  return shape.Run();
}

int MessageShapeV(const TWindow* owner, const char* key, va_list elements) {
  return MessageShapeTitledV(owner, key, nullptr, elements);
}

int MessageShape(const TWindow* owner, const char* key, ...) {
  va_list elements;
  va_start(elements, key);
  const int result = MessageShapeV(owner, key, elements);
  va_end(elements);
  return result;
}

int MessageShapeTitled(const TWindow* owner, const char* key, const char* title, ...) {
  va_list elements;
  va_start(elements, title);
  const int result = MessageShapeTitledV(owner, key, title, elements);
  va_end(elements);
  return result;
}
