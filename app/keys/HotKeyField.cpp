#include <windows.h>

#include "app/keys/HotKeyField.h"

#include "framework/registry/TRegValue.h"
#include "framework/window/core/TranslateKeys.h"
#include "framework/window/shapes/TShape.h"

namespace {

constexpr int kFieldWidth = 168;
constexpr int kFieldHeight = 18;

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

unsigned ModifiersHeld() {
  unsigned modifiers = 0;
  if (KeyDown(VK_CONTROL)) modifiers |= kHotKeyControl;
  if (KeyDown(VK_MENU)) modifiers |= kHotKeyAlt;
  if (KeyDown(VK_SHIFT)) modifiers |= kHotKeyShift;
  if (KeyDown(VK_LWIN) || KeyDown(VK_RWIN)) modifiers |= kHotKeyWin;
  return modifiers;
}

}  // namespace

TString HotKeyDisplayText(const THotKey& key) {
  std::string name = KnownKeyName(key.key);
  if (name.empty() && !key.IsOff()) {
    char system[64] = {};
    const LONG scan = static_cast<LONG>(MapVirtualKeyA(key.key, 0 /* MAPVK_VK_TO_VSC */)) << 16;
    if (GetKeyNameTextA(scan, system, sizeof system) > 0) name = system;
  }
  return TString(HotKeyText(key, name));
}

THotKeyField::THotKeyField(const TString& settingsName, THotKey initial) : initial_(initial), key_(initial) {
  SetSettingsName(settingsName);
}

void THotKeyField::Save(const TRegKeyList& keys) {
  if (!SettingsName().IsEmpty()) TRegDword(keys, SettingsName()).Write(ValueFromHotKey(key_));
}

void THotKeyField::Load(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) return;
  TRegDword stored(keys, SettingsName());
  key_ = stored.Exists() ? HotKeyFromValue(stored.Get(0)) : initial_;
}

TLayoutSize THotKeyField::Measure(TShape&, HDC) {
  size_ = {kFieldWidth, kFieldHeight};
  return size_;
}

void THotKeyField::Create(TShape& shape, int x, int y) {
  HWND field = CreateControl(shape, x, y, WS_EX_CLIENTEDGE, "EDIT", TString(),
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL);
  if (field == nullptr) return;
  SetPropA(field, kTakesKeysProperty, reinterpret_cast<HANDLE>(this));
  editProc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&THotKeyField::FieldProc)));
  ToControls();
}

void THotKeyField::ToControls() {
  if (Control() == nullptr) return;
  SetWindowTextA(Control(), HotKeyDisplayText(key_).c_str());
  // The caret after the text, as in a field that was just typed into.
  SendMessageA(Control(), EM_SETSEL, static_cast<WPARAM>(-1), -1);
}

void THotKeyField::SetKey(const THotKey& key) {
  key_ = key;
  ToControls();
}

void THotKeyField::OnKey(UINT key) {
  const unsigned modifiers = ModifiersHeld();
  if (IsModifierKey(key)) return;
  if (modifiers == 0 && (key == VK_BACK || key == VK_DELETE)) {
    SetKey(THotKey{});
    return;
  }
  const THotKey pressed{modifiers, key};
  if (IsUsableHotKey(pressed)) SetKey(pressed);
}

LRESULT CALLBACK THotKeyField::FieldProc(HWND field, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<THotKeyField*>(GetPropA(field, kTakesKeysProperty));
  if (self == nullptr || self->editProc_ == nullptr) return DefWindowProcA(field, msg, wParam, lParam);
  switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      // Tab, Enter and Esc alone reach the dialog before this (TakesKeysItself).
      self->OnKey(static_cast<UINT>(wParam));
      return 0;
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_CONTEXTMENU:
      // The text is the key's name, never typed: a system key must not beep either.
      return 0;
    case WM_NCDESTROY: {
      const WNDPROC editProc = self->editProc_;
      RemovePropA(field, kTakesKeysProperty);
      SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc));
      return CallWindowProcA(editProc, field, msg, wParam, lParam);
    }
    default:
      break;
  }
  return CallWindowProcA(self->editProc_, field, msg, wParam, lParam);
}
