#pragma once
// Sole owner of one icon made for its holder (loaded, copied or created) and
// destroyed once with DestroyIcon. Move-only: a copy would destroy the same
// icon twice, and a destroyed HICON value may already name a newer icon.
// Shared icons (LoadIcon of system icons, LR_SHARED) must never be put in one.
#include <windows.h>

#include <utility>

class TIconHandle {
 public:
  TIconHandle() = default;
  explicit TIconHandle(HICON taken) : icon_(taken) {}
  ~TIconHandle() { Reset(); }
  TIconHandle(TIconHandle&& other) noexcept : icon_(std::exchange(other.icon_, nullptr)) {}
  TIconHandle& operator=(TIconHandle&& other) noexcept {
    if (this != &other) {
      Reset();
      icon_ = std::exchange(other.icon_, nullptr);
    }
    return *this;
  }
  TIconHandle(const TIconHandle&) = delete;
  TIconHandle& operator=(const TIconHandle&) = delete;

  HICON Get() const { return icon_; }
  explicit operator bool() const { return icon_ != nullptr; }
  // Hands the icon to an owner that destroys it itself.
  HICON Release() { return std::exchange(icon_, nullptr); }
  void Reset() {
    if (icon_ != nullptr) DestroyIcon(std::exchange(icon_, nullptr));
  }

 private:
  HICON icon_ = nullptr;
};

// CopyImage of an icon at `width` x `height` (0 keeps the icon's own size);
// empty when there is nothing to copy or the copy fails.
inline TIconHandle CopyIconSized(HICON icon, int width, int height) {
  if (icon == nullptr) return TIconHandle();
  return TIconHandle(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0)));
}
