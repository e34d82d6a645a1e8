#pragma once
// The program's two global keys, held by the main window: one stores the
// active window, one gives back the window stored last. A key that another
// program holds is left out with one notice; a press that has nothing to do
// is handed on to the active window as if no one held the key.
#include <windows.h>

#include "app/keys/pure/HotKeyText.h"

class TWindow;

enum class THotKeyAction { Store = 1, Restore = 2 };

class THotKeys {
 public:
  THotKeys() = default;
  ~THotKeys() { ReleaseAll(); }
  THotKeys(const THotKeys&) = delete;
  THotKeys& operator=(const THotKeys&) = delete;

  // Registers the keys for `window` (WM_HOTKEY with the action as id). A key
  // that is what it was stays as it is, so that a key still taken is not
  // noticed again; a changed key that cannot be had is noticed once, over
  // `noticeOwner`, naming it.
  void Apply(HWND window, THotKey store, THotKey restore, const TWindow* noticeOwner);
  void ReleaseAll();
  // The press of `action`'s key had nothing to do: the key goes to the
  // active window, with the modifiers the user may already have let go.
  void PassOn(THotKeyAction action);
  bool Registered(THotKeyAction action) const { return Slot(action).registered; }

 private:
  struct TSlot {
    THotKey key;
    bool applied = false;     // `key` was asked for at least once
    bool registered = false;
  };
  TSlot& Slot(THotKeyAction action) { return slots_[action == THotKeyAction::Store ? 0 : 1]; }
  const TSlot& Slot(THotKeyAction action) const { return slots_[action == THotKeyAction::Store ? 0 : 1]; }
  bool Register(THotKeyAction action);

  HWND window_ = nullptr;
  TSlot slots_[2];
};
