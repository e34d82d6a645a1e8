#include <windows.h>

#include "framework/window/dialogs/NamePicker.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "framework/base/Owners.h"
#include "framework/icons/IconFactories.h"
#include "framework/path/FileDialogs.h"
#include "framework/path/FileObject.h"
#include "framework/path/pure/FilterExtensions.h"
#include "framework/path/pure/FinalBackslash.h"
#include "framework/path/pure/PathText.h"
#include "framework/system/ComScope.h"
#include "framework/text/LetterCase.h"
#include "framework/text/TStringOps.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/elements/ControlElement.h"
#include "framework/window/shapes/TShape.h"

namespace {

const char kFileCaption[] = "ﾌｧｲﾙ名(&FILENAME&):";
const char kFolderCaption[] = "フォルダ名(&FOLDERNAME&):";
const char kBrowseCaption[] = "参照(&REFERENCE&)...";
const char kBrowseIcon[] = "OPENFILE_ICON";
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 21;
// What a push button needs beside its caption: the icon, its gap and the edges.
constexpr int kButtonChrome = 32;
constexpr int kLabelHeight = 12;
constexpr DWORD kPushButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;

int CALLBACK SelectStartFolder(HWND dialog, UINT msg, LPARAM, LPARAM start) {
  if (msg == BFFM_INITIALIZED && start != 0) SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, start);
  return 0;
}

}  // namespace

TNamePicker::TNamePicker(int controlId, const TString& caption, const TString& initialText, const TString& title,
                         const TString& textValueName, const TString& listValueName, int editWidth, int listHeight)
    : TOwnerDrawComboboxElement(editWidth, listHeight), controlId_(controlId), captionText_(caption),
      initialText_(initialText), title_(title), textValueName_(textValueName), listValueName_(listValueName) {
  current_ = initialText;
  button_.caption = kBrowseCaption;
  button_.icon = OwnResourceIcon(TResourceName(kBrowseIcon));
}

TNamePicker::~TNamePicker() = default;

TLayoutSize TNamePicker::Measure(TShape& shape, HDC dc) {
  // The base leaves the field's own size in size_, which its Create uses.
  const TLayoutSize field = TOwnerDrawComboboxElement::Measure(shape, dc);
  if (!captionText_.IsEmpty()) shape.AddCaption(&captionText_);
  shape.AddCaption(&button_.caption);
  fieldWidth_ = field.width;
  captionWidth_ = captionText_.IsEmpty() ? 0 : CaptionWidth(dc, captionText_);
  buttonWidth_ = std::max(kButtonWidth, CaptionWidth(dc, button_.caption) + kButtonChrome);
  // The field is a pixel taller than the row the layout asks for: the row
  // grows rather than the field overlapping what lies below.
  height_ = std::max({kMinimumHeight, kButtonHeight, field.height});
  return {captionWidth_ + fieldWidth_ + kButtonGap + buttonWidth_, height_};
}

void TNamePicker::Create(TShape& shape, int x, int y) {
  shape_ = &shape;
  const int rowTop = y + (height_ - kFieldHeight) / 2;
  if (!captionText_.IsEmpty()) {
    caption_.handle = CreateWindowExA(0, "TransparentStatic", ToDisplayText(captionText_).c_str(),
                                      WS_CHILD | WS_VISIBLE | SS_LEFT, x, rowTop + (kFieldHeight - kLabelHeight) / 2,
                                      captionWidth_, kLabelHeight, shape.Handle(),
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(shape.NextControlId())),
                                      ProgramInstance(), nullptr);
    BindTransparentControl(caption_.handle, &caption_);
  }
  TOwnerDrawComboboxElement::Create(shape, x + captionWidth_, rowTop);
  if (Edit() != nullptr) {
    if (controlId_ != 0) SetWindowLongPtrA(Edit(), GWLP_ID, controlId_);
    SendMessageA(Edit(), EM_LIMITTEXT, kTextLimit, 0);
  }
  button_.id = shape.NextControlId();
  button_.handle = CreateWindowExA(0, "TransparentPushButton", ToDisplayText(button_.caption).c_str(),
                                   kPushButtonStyle, x + captionWidth_ + fieldWidth_ + kButtonGap,
                                   y + (height_ - kButtonHeight) / 2, buttonWidth_, kButtonHeight, shape.Handle(),
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(button_.id)), ProgramInstance(),
                                   nullptr);
  if (button_.handle != nullptr) BindPushButton(button_.handle, &button_);
}

bool TNamePicker::OnCommand(int id, HWND control, int code) {
  if ((control != nullptr && control == button_.handle) || (control == nullptr && id == button_.id && id != 0)) {
    if (code == BN_CLICKED || control == nullptr) Browse();
    return true;
  }
  if (control == nullptr || control != Edit()) return TOwnerDrawComboboxElement::OnCommand(id, control, code);
  if (code == EN_CHANGE) {
    typing_ = true;
    const bool handled = TOwnerDrawComboboxElement::OnCommand(id, control, code);
    typing_ = false;
    return handled;
  }
  const bool handled = TOwnerDrawComboboxElement::OnCommand(id, control, code);
  if (code == EN_KILLFOCUS && CurrentIcon() == nullptr) ShowTextIcon();
  return handled;
}

void TNamePicker::Enable(bool on) {
  TOwnerDrawComboboxElement::Enable(on);
  if (caption_.handle != nullptr) EnableWindow(caption_.handle, on ? TRUE : FALSE);
  if (button_.handle != nullptr) EnableWindow(button_.handle, on ? TRUE : FALSE);
}

TIconSource* TNamePicker::IconFor(const TString& text) {
  if (typing_) return nullptr;
  const TString name = Trim(text);
  return name.IsEmpty() ? nullptr : FileIcon(name);
}

void TNamePicker::ShowTextIcon() {
  if (Trim(ControlText()).IsEmpty()) return;
  // Re-showing the element's state takes the icon from IconFor, now that
  // nobody is typing.
  FromControls();
  ToControls();
}

void TNamePicker::SetText(const TString& text) {
  current_ = text;
  if (Edit() != nullptr) ToControls();
}

HWND TNamePicker::OwnerWindow() const { return shape_ != nullptr ? shape_->Handle() : nullptr; }

bool TNamePicker::Browse() {
  TString name = ControlText();
  if (!ChooseName(name)) return false;
  SetText(name);
  if (shape_ != nullptr) shape_->OnElementChange(this);
  return true;
}

TFileNamePicker::TFileNamePicker(int controlId, const TString& initialText, const char* filter, size_t filterBytes,
                                 const TString& defaultExtension, const TString& title, const TString& textValueName,
                                 const TString& listValueName, int editWidth, int listHeight)
    : TNamePicker(controlId, kFileCaption, initialText, title, textValueName, listValueName, editWidth, listHeight),
      filter_(filter != nullptr ? std::string(filter, filterBytes) : std::string()),
      defaultExtension_(defaultExtension) {
  extensions_ = FilterExtensions(filter_);
  // The dialog reads up to an empty text: a block given without its end gets one.
  filter_.append(2, '\0');
}

TString TFileNamePicker::StoreKeyName(const TString& text) const {
  return TString("MRU\\.") + ToLowerLetters(ExtensionOf(Trim(text)));
}

bool TFileNamePicker::ChooseName(TString& name) {
  TFile file(Trim(name));
  const TString title = ToDisplayText(Title());
  if (!ChooseFileToOpen(file, OwnerWindow(), filter_.c_str(),
                        defaultExtension_.IsEmpty() ? nullptr : defaultExtension_.c_str(), nullptr,
                        title.IsEmpty() ? nullptr : title.c_str())) {
    return false;
  }
  name = file.Path();
  return true;
}

TFolderNamePicker::TFolderNamePicker(int controlId, const TString& initialText, const TString& title,
                                     const TString& textValueName, const TString& listValueName, int editWidth,
                                     int listHeight)
    : TNamePicker(controlId, kFolderCaption, initialText, title, textValueName, listValueName, editWidth,
                  listHeight) {}

TString TFolderNamePicker::StoreKeyName(const TString&) const { return TString("MRU\\Folder"); }

bool TFolderNamePicker::ChooseName(TString& name) {
  // The dialog selects a folder by its name without the final '\'.
  TString start = Trim(name);
  if (LastChar(start) == TString("\\")) start = Left(start, start.Length() - 1);
  const TString title = ToDisplayText(Title());
  char display[MAX_PATH + 1] = {};
  BROWSEINFOA info{};
  info.hwndOwner = OwnerWindow();
  info.pszDisplayName = display;
  info.lpszTitle = title.c_str();
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
  info.lpfn = SelectStartFolder;
  info.lParam = reinterpret_cast<LPARAM>(start.c_str());
  const TComScope com;
  bool chosen = false;
  {
    TShellItemList chosenFolder(SHBrowseForFolderA(&info));
    char path[MAX_PATH + 1] = {};
    if (chosenFolder && SHGetPathFromIDListA(chosenFolder.Get(), path) && path[0] != '\0') {
      name = WithFinalBackslash(TString(path));
      chosen = true;
    }
  }
  return chosen;
}
