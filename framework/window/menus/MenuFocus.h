#pragma once
// A popup menu tracked for a window that is never shown, such as the hidden
// owner of a tray program's icons. Windows wants the owner to be the foreground
// window while the menu tracks (or the menu does not close when the user clicks
// elsewhere) and an empty message posted to it once the menu has closed.
//
// Under Wine that is not enough for the keys: the X server sends them to the X
// window that has the X focus, and a hidden owner has no X window, so the
// focus stays where the click on the tray left it (Wine's own tray window, in
// another process) and arrows, letters and Esc are lost. There the keys are
// drawn to a mapped but invisible window of ours while the menu tracks.
#include <windows.h>

// While it lives, a menu tracked for `owner` gets the keys. Construct it just
// before TrackPopupMenu(Ex), with `at` where the menu opens; it makes `owner`
// the foreground window. Destroying it posts WM_NULL to `owner`.
class TMenuKeyboard {
 public:
  TMenuKeyboard(HWND owner, POINT at);
  ~TMenuKeyboard();
  TMenuKeyboard(const TMenuKeyboard&) = delete;
  TMenuKeyboard& operator=(const TMenuKeyboard&) = delete;

 private:
  HWND owner_;
  bool drawsKeys_ = false;  // this one made the key target (one menu tracks at a time)
};

// TrackPopupMenu of `menu` at `at` for `owner` (flags as TrackPopupMenu takes
// them) with TMenuKeyboard around it; returns what TrackPopupMenu returns.
BOOL TrackMenuWithKeys(HMENU menu, UINT flags, POINT at, HWND owner);
