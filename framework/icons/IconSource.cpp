#include <windows.h>

#include "framework/icons/IconSource.h"

int IconKindSize(int kind) {
  switch (kind) {
    case kSmallIcon:
      return 16;
    case kLargeIcon:
      return 32;
    default:
      return 0;
  }
}

UINT IconKindFlags(int kind) { return kind == kDefaultSizeIcon ? LR_DEFAULTSIZE : 0; }

TIconHandle TIconSource::CreateIcon(int width, int height, TIconSource* fallback) {
  // Scaling down from the large image looks better than blowing up the small one.
  const long long area = static_cast<long long>(width) * height;
  const int kind = area > 256 ? kLargeIcon : kSmallIcon;
  if (HICON icon = GetIcon(kind, nullptr)) return CopyIconSized(icon, width, height);
  if (fallback != nullptr) return fallback->CreateIcon(width, height, nullptr);
  return TIconHandle();
}
