#pragma once
// The one owner of every kind of handle the program makes, and the kinds it
// owns. Move-only: a copy would free the same handle twice, and a freed handle
// value may already name a newer object. Each kind names its handle type and
// how it is freed; a free that fails is reported by the debug check, since it
// means the handle was not ours or was freed elsewhere.
#include <windows.h>

#include <utility>

#include "framework/base/Check.h"

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

// One icon made for its holder (loaded, copied or created). Shared icons
// (LoadIcon of system icons, LR_SHARED) must never be put in one.
struct TIconTraits {
  using Handle = HICON;
  static void Free(HICON icon) { CHECK(DestroyIcon(icon)); }
};
using TIconHandle = TUniqueHandle<TIconTraits>;

// A menu that no window owns (a menu bar is destroyed with its window and must
// not be held here while the window lives).
struct TMenuTraits {
  using Handle = HMENU;
  static void Free(HMENU menu) { CHECK(DestroyMenu(menu)); }
};
using TMenuHandle = TUniqueHandle<TMenuTraits>;

// GDI objects made for the caller. A font given to a control stays the
// caller's: Release() hands it to an owner that deletes it itself.
struct TBitmapTraits {
  using Handle = HBITMAP;
  static void Free(HBITMAP bitmap) { CHECK(DeleteObject(bitmap)); }
};
using TBitmapHandle = TUniqueHandle<TBitmapTraits>;

struct TBrushTraits {
  using Handle = HBRUSH;
  static void Free(HBRUSH brush) { CHECK(DeleteObject(brush)); }
};
using TBrushHandle = TUniqueHandle<TBrushTraits>;

struct TFontTraits {
  using Handle = HFONT;
  static void Free(HFONT font) { CHECK(DeleteObject(font)); }
};
using TOwnedFont = TUniqueHandle<TFontTraits>;

struct TMemoryDcTraits {
  using Handle = HDC;
  static void Free(HDC dc) { CHECK(DeleteDC(dc)); }
};
using TMemoryDc = TUniqueHandle<TMemoryDcTraits>;

// A window this program made that is not a shape (shapes end themselves).
struct TWindowTraits {
  using Handle = HWND;
  static void Free(HWND window) { CHECK(DestroyWindow(window)); }
};
using TOwnedWindow = TUniqueHandle<TWindowTraits>;

// A module this program loaded (LoadLibrary, or mapped as data), freed once.
// Never one it only looked up (GetModuleHandle): that reference is not ours.
struct TModuleTraits {
  using Handle = HMODULE;
  static void Free(HMODULE module) { CHECK(FreeLibrary(module)); }
};
using TModuleHandle = TUniqueHandle<TModuleTraits>;

// A kernel object: a process, thread, event or job (not a file: CreateFile
// reports failure as INVALID_HANDLE_VALUE, which this owner would take).
struct TKernelTraits {
  using Handle = HANDLE;
  static void Free(HANDLE handle) { CHECK(CloseHandle(handle)); }
};
using TKernelHandle = TUniqueHandle<TKernelTraits>;

// One open registry key. Closing reports the system's answer, which the key
// lists pass on; closing nothing succeeds, since an entry whose creation
// failed has nothing to give back.
struct TRegKeyTraits {
  using Handle = HKEY;
  static void Free(HKEY key) { CHECK(RegCloseKey(key) == ERROR_SUCCESS); }
};

class TRegKeyHandle : public TUniqueHandle<TRegKeyTraits> {
 public:
  using TUniqueHandle::TUniqueHandle;
  LONG Close() {
    const HKEY key = Release();
    return key != nullptr ? RegCloseKey(key) : ERROR_SUCCESS;
  }
};

// One reference to a COM interface, released once.
template <typename Interface>
struct TComTraits {
  using Handle = Interface*;
  static void Free(Interface* pointer) { pointer->Release(); }
};

template <typename Interface>
class TComPtr : public TUniqueHandle<TComTraits<Interface>> {
 public:
  using TUniqueHandle<TComTraits<Interface>>::TUniqueHandle;
  Interface* operator->() const { return this->Get(); }
  // The slot for CoCreateInstance and QueryInterface; what was held is released first.
  void** ReceiveVoid() { return reinterpret_cast<void**>(this->Receive()); }
};

// A shell item list (PIDL) handed out by the shell, freed through the shell's
// own allocator as the shell requires: another heap's free would corrupt
// memory. Named by its structure so that this header needs no shell headers.
struct TShellItemListTraits {
  using Handle = struct _ITEMIDLIST*;
  static void Free(struct _ITEMIDLIST* list);
};
using TShellItemList = TUniqueHandle<TShellItemListTraits>;

// A logical palette made for its holder. It must not be selected into any
// device context when freed: whoever selects it selects the previous one back.
struct TPaletteTraits {
  using Handle = HPALETTE;
  static void Free(HPALETTE palette) { CHECK(DeleteObject(palette)); }
};
using TPaletteHandle = TUniqueHandle<TPaletteTraits>;
