#pragma once
// Move-only owners of the handles the test harness and the test programs
// hold: a copy would close a handle twice. Header-only so that the
// stand-alone test programs share it.
#include <windows.h>

#include <utility>

template <typename Handle, typename Closer>
class UniqueResource {
 public:
  UniqueResource() = default;
  explicit UniqueResource(Handle handle) : handle_(handle) {}
  ~UniqueResource() { Reset(); }
  UniqueResource(UniqueResource&& other) noexcept : handle_(other.Release()) {}
  UniqueResource& operator=(UniqueResource&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueResource(const UniqueResource&) = delete;
  UniqueResource& operator=(const UniqueResource&) = delete;

  Handle Get() const { return handle_; }
  // CreateFile reports failure as INVALID_HANDLE_VALUE, everything else as null.
  explicit operator bool() const {
    return handle_ != nullptr && handle_ != reinterpret_cast<Handle>(INVALID_HANDLE_VALUE);
  }
  Handle Release() { return std::exchange(handle_, nullptr); }
  void Reset(Handle handle = nullptr) {
    if (*this) Closer::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

struct KernelHandleCloser { static void Close(HANDLE h) { CloseHandle(h); } };
struct IconCloser { static void Close(HICON h) { DestroyIcon(h); } };
struct MenuCloser { static void Close(HMENU h) { DestroyMenu(h); } };
struct WindowCloser { static void Close(HWND h) { DestroyWindow(h); } };
struct KeyCloser { static void Close(HKEY h) { RegCloseKey(h); } };

using UniqueHandle = UniqueResource<HANDLE, KernelHandleCloser>;
using UniqueIcon = UniqueResource<HICON, IconCloser>;
using UniqueMenu = UniqueResource<HMENU, MenuCloser>;
using UniqueWindow = UniqueResource<HWND, WindowCloser>;
using UniqueKey = UniqueResource<HKEY, KeyCloser>;
