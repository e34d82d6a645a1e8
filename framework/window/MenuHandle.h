#pragma once
// Sole owner of a menu that no window owns (a menu bar is destroyed with its
// window and must not be held here).
#include <windows.h>

class TMenuHandle {
 public:
  TMenuHandle() = default;
  explicit TMenuHandle(HMENU menu) : menu_(menu) {}
  TMenuHandle(TMenuHandle&& other) noexcept : menu_(other.Release()) {}
  TMenuHandle& operator=(TMenuHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TMenuHandle(const TMenuHandle&) = delete;
  TMenuHandle& operator=(const TMenuHandle&) = delete;
  ~TMenuHandle() { Reset(nullptr); }

  HMENU Get() const { return menu_; }
  void Reset(HMENU menu) {
    if (menu_ != nullptr) DestroyMenu(menu_);
    menu_ = menu;
  }
  HMENU Release() {
    HMENU menu = menu_;
    menu_ = nullptr;
    return menu;
  }

 private:
  HMENU menu_ = nullptr;
};
