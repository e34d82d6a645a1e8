#include <windows.h>

#include "app/keys/HotKeys.h"

#include <vector>

#include "app/emergency/Notices.h"
#include "app/keys/HotKeyField.h"

namespace {

// Held keys do not repeat the message (Windows 7 on); older systems refuse
// the bit, and the key is then asked for without it.
constexpr UINT kNoRepeat = 0x4000;

struct TModifierKey {
  unsigned bit;
  WORD key;
};
constexpr TModifierKey kModifierKeys[] = {
    {kHotKeyControl, VK_CONTROL}, {kHotKeyAlt, VK_MENU}, {kHotKeyShift, VK_SHIFT}, {kHotKeyWin, VK_LWIN}};

INPUT KeyInput(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  // The arrows and the keys above them are extended keys; without the flag
  // they would arrive as the number pad's.
  if ((key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE || key == VK_LWIN ||
      key == VK_DIVIDE) {
    input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  }
  return input;
}

}  // namespace

bool THotKeys::Register(THotKeyAction action) {
  TSlot& slot = Slot(action);
  const int id = static_cast<int>(action);
  slot.registered = RegisterHotKey(window_, id, slot.key.modifiers | kNoRepeat, slot.key.key) != FALSE ||
                    (GetLastError() != ERROR_HOTKEY_ALREADY_REGISTERED &&
                     RegisterHotKey(window_, id, slot.key.modifiers, slot.key.key) != FALSE);
  return slot.registered;
}

void THotKeys::Apply(HWND window, THotKey store, THotKey restore, const TWindow* noticeOwner) {
  if (window != window_) ReleaseAll();
  window_ = window;
  std::vector<TString> taken;
  const std::pair<THotKeyAction, THotKey> wanted[] = {{THotKeyAction::Store, store},
                                                      {THotKeyAction::Restore, restore}};
  // Both changed keys are let go before either is taken: keys swapped in the
  // dialog would otherwise find the other still holding theirs.
  bool changed[2] = {};
  for (size_t i = 0; i < 2; ++i) {
    const auto& [action, key] = wanted[i];
    TSlot& slot = Slot(action);
    if (slot.applied && slot.key == key) continue;
    if (slot.registered) UnregisterHotKey(window_, static_cast<int>(action));
    slot.registered = false;
    slot.key = key;
    slot.applied = true;
    changed[i] = true;
  }
  for (size_t i = 0; i < 2; ++i) {
    const auto& [action, key] = wanted[i];
    if (changed[i] && !key.IsOff() && !Register(action)) taken.push_back(HotKeyDisplayText(key));
  }
  if (!taken.empty()) ShowHotKeyTakenNotice(noticeOwner, taken);
}

void THotKeys::ReleaseAll() {
  for (THotKeyAction action : {THotKeyAction::Store, THotKeyAction::Restore}) {
    TSlot& slot = Slot(action);
    if (slot.registered && window_ != nullptr) UnregisterHotKey(window_, static_cast<int>(action));
    slot = TSlot{};
  }
}

void THotKeys::PassOn(THotKeyAction action) {
  TSlot& slot = Slot(action);
  if (!slot.registered) return;
  // While the key is ours the system gives it to no one: let go of it for
  // the one press. Input sent is handled before SendInput returns, so the
  // key is asked for again at once.
  UnregisterHotKey(window_, static_cast<int>(action));
  std::vector<INPUT> inputs;
  std::vector<WORD> pressed;
  for (const TModifierKey& modifier : kModifierKeys) {
    if ((slot.key.modifiers & modifier.bit) == 0) continue;
    const bool held = (GetAsyncKeyState(modifier.key) & 0x8000) != 0 ||
                      (modifier.key == VK_LWIN && (GetAsyncKeyState(VK_RWIN) & 0x8000) != 0);
    if (held) continue;
    inputs.push_back(KeyInput(modifier.key, false));
    pressed.push_back(modifier.key);
  }
  const WORD key = static_cast<WORD>(slot.key.key);
  inputs.push_back(KeyInput(key, false));
  inputs.push_back(KeyInput(key, true));
  for (auto it = pressed.rbegin(); it != pressed.rend(); ++it) inputs.push_back(KeyInput(*it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Register(action);
}
