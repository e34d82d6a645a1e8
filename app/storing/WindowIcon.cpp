#include <windows.h>

#include "app/storing/WindowIcon.h"

#include <shellapi.h>

#include "framework/system/ProcessImage.h"
#include "framework/system/Wow64.h"

namespace {

HICON QueryIcon(HWND window, WPARAM which) {
  DWORD_PTR icon = 0;
  if (SendMessageTimeoutA(window, WM_GETICON, which, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kIconQueryTimeoutMs,
                          &icon) == 0) {
    return nullptr;
  }
  return reinterpret_cast<HICON>(icon);
}

// The first icon of the program file the window's process runs, at both sizes.
void ReadProgramFileIcons(HWND window, TIconHandle& small, TIconHandle& large) {
  const TString path = WindowProgramPath(window);
  if (path.IsEmpty()) return;
  HICON big = nullptr;
  HICON little = nullptr;
  // A file that cannot be read answers UINT_MAX, and may leave garbage in both
  // outputs (Wine does): only a count of the two icons asked for is success.
  UINT count = 0;
  {
    // A 64-bit program's path names the real system folder.
    TNativeFileNames native;
    count = ExtractIconExA(path.c_str(), 0, &big, &little, 1);
  }
  if (count == 0 || count > 2) return;
  TIconHandle bigOwned(big);
  TIconHandle littleOwned(little);
  if (!bigOwned && !littleOwned) return;
  // The system's sizes may differ from the tray's 16 and 32 pixels.
  small = CopyIconSized(littleOwned ? littleOwned.Get() : bigOwned.Get(), 16, 16);
  large = CopyIconSized(bigOwned ? bigOwned.Get() : littleOwned.Get(), 32, 32);
}

}  // namespace

void TWindowIcon::ReadWindowIcons() {
  smallCopy_.Reset();
  largeCopy_.Reset();
  smallIcon_ = QueryIcon(window_, ICON_SMALL);
  if (smallIcon_ == nullptr) smallIcon_ = reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICONSM));
  bigIcon_ = QueryIcon(window_, ICON_BIG);
  if (bigIcon_ == nullptr) bigIcon_ = reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICON));
}

HICON TWindowIcon::GetIcon(int kind, TIconSource* fallback) {
  if (!IsSmallOrLargeKind(kind)) return FallbackIcon(kind, fallback);
  TIconHandle& wanted = kind == kSmallIcon ? smallCopy_ : largeCopy_;
  if (!wanted) {
    ReadWindowIcons();
    // Each copy comes from the icon of its own size when the window has one.
    if (smallIcon_ != nullptr) {
      if (bigIcon_ == nullptr) largeCopy_ = CopyIconSized(smallIcon_, 32, 32);
      smallCopy_ = CopyIconSized(smallIcon_, 16, 16);
    }
    if (bigIcon_ != nullptr) {
      if (smallIcon_ == nullptr) smallCopy_ = CopyIconSized(bigIcon_, 16, 16);
      largeCopy_ = CopyIconSized(bigIcon_, 32, 32);
    }
    // Icons of another process cannot always be had (Wine keeps them per
    // process): its program file still tells its windows apart, where the
    // system's generic icon would make them all look alike.
    if (!smallCopy_ && !largeCopy_) ReadProgramFileIcons(window_, smallCopy_, largeCopy_);
  }
  if (wanted) return wanted.Get();
  return FallbackIcon(kind, fallback);
}
