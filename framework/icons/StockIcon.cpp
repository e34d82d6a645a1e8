#include <windows.h>

#include "framework/icons/StockIcon.h"

TIconHandle LoadStockIconSized(int id, int width, int height, UINT flags) {
  // Windows loads predefined icons only as shared images (LR_SHARED), at the
  // system's sizes and never to be destroyed: the wanted size is a copy,
  // taken from the resource's best image where the system can.
  HICON shared = static_cast<HICON>(
      LoadImageA(nullptr, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_SHARED | LR_DEFAULTSIZE));
  if (shared == nullptr) return TIconHandle();
  const UINT sizeFlags = flags & LR_DEFAULTSIZE;
  HICON copy = static_cast<HICON>(
      CopyImage(shared, IMAGE_ICON, width, height, sizeFlags | LR_COPYFROMRESOURCE));
  if (copy == nullptr) copy = static_cast<HICON>(CopyImage(shared, IMAGE_ICON, width, height, sizeFlags));
  return TIconHandle(copy);
}

HICON TStockIcon::GetIcon(int kind, TIconSource* fallback) {
  if (!IsSmallOrLargeKind(kind)) return FallbackIcon(kind, fallback);
  if (!triedShared_) {
    triedShared_ = true;
    shared_ = LoadIconA(nullptr, MAKEINTRESOURCEA(id_));
  }
  if (kind == kSmallIcon && !triedSmall_ && shared_ != nullptr) {
    triedSmall_ = true;
    small_ = LoadStockIconSized(id_, 16, 16, 0);
  }
  HICON icon = kind == kLargeIcon ? shared_ : small_.Get();
  return icon != nullptr ? icon : FallbackIcon(kind, fallback);
}

TIconHandle TStockIcon::CreateIcon(int width, int height, TIconSource* fallback) {
  TIconHandle icon = LoadStockIconSized(id_, width, height, 0);
  if (icon) return icon;
  return TIconSource::CreateIcon(width, height, fallback);
}
