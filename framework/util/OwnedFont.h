#pragma once
// Owns a GDI font made for the caller and deletes it once. Move-only: a copy
// would delete the same font twice. Release() hands the font to an owner that
// deletes it itself (for instance a control that keeps it for its lifetime).
#include <windows.h>

#include <utility>

class TOwnedFont {
 public:
  TOwnedFont() = default;
  explicit TOwnedFont(HFONT taken) : font_(taken) {}
  ~TOwnedFont() { Reset(); }
  TOwnedFont(TOwnedFont&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
  TOwnedFont& operator=(TOwnedFont&& other) noexcept {
    if (this != &other) {
      Reset();
      font_ = std::exchange(other.font_, nullptr);
    }
    return *this;
  }
  TOwnedFont(const TOwnedFont&) = delete;
  TOwnedFont& operator=(const TOwnedFont&) = delete;

  HFONT Get() const { return font_; }
  explicit operator bool() const { return font_ != nullptr; }
  HFONT Release() { return std::exchange(font_, nullptr); }
  void Reset() {
    if (font_ != nullptr) DeleteObject(std::exchange(font_, nullptr));
  }

 private:
  HFONT font_ = nullptr;
};
