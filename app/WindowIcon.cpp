#include <windows.h>

#include "app/WindowIcon.h"

namespace {

HICON QueryIcon(HWND window, WPARAM which) {
  DWORD_PTR icon = 0;
  if (SendMessageTimeoutA(window, WM_GETICON, which, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kIconQueryTimeoutMs,
                          &icon) == 0) {
    return nullptr;
  }
  return reinterpret_cast<HICON>(icon);
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
  }
  if (wanted) return wanted.Get();
  return FallbackIcon(kind, fallback);
}
