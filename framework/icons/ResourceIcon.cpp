#include <windows.h>

#include "framework/icons/ResourceIcon.h"

TIconHandle TResourceIcon::Load(int width, int height, UINT flags) const {
  // No LR_SHARED: each load is a private icon this source may destroy.
  return TIconHandle(static_cast<HICON>(
      LoadImageA(instance_, name_.AsPointer(), IMAGE_ICON, width, height, flags)));
}

TIconHandle TResourceIcon::MakeIcon(int kind) {
  const int size = IconKindSize(kind);
  return Load(size, size, IconKindFlags(kind));
}

TIconHandle TResourceIcon::CreateIcon(int width, int height, TIconSource* fallback) {
  TIconHandle icon = Load(width, height, 0);
  if (icon) return icon;
  return TIconSource::CreateIcon(width, height, fallback);
}
