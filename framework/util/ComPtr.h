#pragma once
// Owns one reference to a COM interface and releases it once. Move-only: a
// copy would release the same reference twice.
#include <utility>

template <typename Interface>
class TComPtr {
 public:
  TComPtr() = default;
  explicit TComPtr(Interface* taken) : pointer_(taken) {}
  ~TComPtr() { Reset(); }
  TComPtr(TComPtr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
  TComPtr& operator=(TComPtr&& other) noexcept {
    if (this != &other) {
      Reset();
      pointer_ = std::exchange(other.pointer_, nullptr);
    }
    return *this;
  }
  TComPtr(const TComPtr&) = delete;
  TComPtr& operator=(const TComPtr&) = delete;

  Interface* Get() const { return pointer_; }
  Interface* operator->() const { return pointer_; }
  explicit operator bool() const { return pointer_ != nullptr; }

  // The slot for a call that hands out a new reference (CoCreateInstance,
  // QueryInterface); whatever was held before is released first.
  void** ReceiveVoid() {
    Reset();
    return reinterpret_cast<void**>(&pointer_);
  }
  Interface** Receive() {
    Reset();
    return &pointer_;
  }

  void Reset() {
    if (pointer_ != nullptr) std::exchange(pointer_, nullptr)->Release();
  }

 private:
  Interface* pointer_ = nullptr;
};
