#pragma once
// The icon source of another program's window. Its icons are asked with
// bounded sends; the window's own handles are borrowed, and only the sized
// copies made from them are ours.
#include <windows.h>

#include "framework/base/Owners.h"
#include "framework/icons/IconSource.h"

// The time an icon query may take.
constexpr UINT kIconQueryTimeoutMs = 100;

class TWindowIcon : public TIconSource {
 public:
  explicit TWindowIcon(HWND window) : window_(window) {}
  HWND Window() const { return window_; }

  // Asks the window for its icons again (class icons when it gives none) and
  // drops the copies made from the previous ones.
  void ReadWindowIcons();
  // Kinds 0 and 1: a copy made from the icon of that size when the window has
  // one, else from the other; without either, the first icon of the program
  // file its process runs; then the fallback.
  HICON GetIcon(int kind, TIconSource* fallback = nullptr) override;

  HICON SmallIcon() const { return smallIcon_; }
  HICON BigIcon() const { return bigIcon_; }

 private:
  HWND window_;
  HICON smallIcon_ = nullptr;  // borrowed: the window's
  HICON bigIcon_ = nullptr;    // borrowed: the window's
  TIconHandle smallCopy_;
  TIconHandle largeCopy_;
};
