#pragma once
// The one owner of every kind of handle the program makes. Move-only: a copy
// would free the same handle twice, and a freed handle value may already name
// a newer object. Each kind names its handle type and how it is freed.
#include <utility>

template <class Traits>
class TUniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  TUniqueHandle() = default;
  explicit TUniqueHandle(Handle taken) : handle_(taken) {}
  ~TUniqueHandle() { Reset(); }
  TUniqueHandle(TUniqueHandle&& other) noexcept : handle_(other.Release()) {}
  TUniqueHandle& operator=(TUniqueHandle&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  TUniqueHandle(const TUniqueHandle&) = delete;
  TUniqueHandle& operator=(const TUniqueHandle&) = delete;

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle(); }
  // Hands the handle to an owner that frees it itself.
  Handle Release() { return std::exchange(handle_, Handle()); }
  // Frees what is held and takes `taken` instead.
  void Reset(Handle taken = Handle()) {
    const Handle old = std::exchange(handle_, taken);
    if (old != Handle()) Traits::Free(old);
  }
  // The slot for a call that hands out a new handle; the old one is freed first.
  Handle* Receive() {
    Reset();
    return &handle_;
  }

 private:
  Handle handle_ = Handle();
};
