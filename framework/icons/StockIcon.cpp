#include <windows.h>

#include "framework/icons/StockIcon.h"

TIconHandle LoadStockIconSized(int id, int width, int height, UINT flags) {
  // Without LR_SHARED the loader makes a private copy, which the caller may
  // (and must) destroy.
  return TIconHandle(static_cast<HICON>(
      LoadImageA(nullptr, MAKEINTRESOURCEA(id), IMAGE_ICON, width, height, flags | LR_DEFAULTCOLOR)));
}

HICON TStockIcon::GetIcon(int kind, TIconSource* fallback) {
  if (!IsSmallOrLargeKind(kind)) return FallbackIcon(kind, fallback);
  if (!triedShared_) {
    triedShared_ = true;
    shared_ = LoadIconA(nullptr, MAKEINTRESOURCEA(id_));
  }
  if (kind == kSmallIcon && !triedSmall_ && shared_ != nullptr) {
    triedSmall_ = true;
    small_ = CopyIconSized(shared_, 16, 16);
  }
  HICON icon = kind == kLargeIcon ? shared_ : small_.Get();
  return icon != nullptr ? icon : FallbackIcon(kind, fallback);
}

TIconHandle TStockIcon::CreateIcon(int width, int height, TIconSource* fallback) {
  TIconHandle icon = LoadStockIconSized(id_, width, height, 0);
  if (icon) return icon;
  return TIconSource::CreateIcon(width, height, fallback);
}
