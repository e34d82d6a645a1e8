#pragma once
// Sole owner of one open registry key. Move-only: a copy would close the key
// twice, and a closed HKEY value may already name a key opened since.
#include <windows.h>

class TRegKeyHandle {
 public:
  TRegKeyHandle() = default;
  explicit TRegKeyHandle(HKEY key) : key_(key) {}
  TRegKeyHandle(TRegKeyHandle&& other) noexcept : key_(other.Release()) {}
  TRegKeyHandle& operator=(TRegKeyHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TRegKeyHandle(const TRegKeyHandle&) = delete;
  TRegKeyHandle& operator=(const TRegKeyHandle&) = delete;
  ~TRegKeyHandle() { Close(); }

  HKEY Get() const { return key_; }
  explicit operator bool() const { return key_ != nullptr; }

  // Closing nothing succeeds: an entry whose creation failed has nothing to give back.
  LONG Close() {
    if (key_ == nullptr) return ERROR_SUCCESS;
    const LONG result = RegCloseKey(key_);
    key_ = nullptr;
    return result;
  }
  void Reset(HKEY key) {
    Close();
    key_ = key;
  }
  HKEY Release() {
    HKEY key = key_;
    key_ = nullptr;
    return key;
  }

 private:
  HKEY key_ = nullptr;
};
