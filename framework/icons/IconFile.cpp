#include <windows.h>

#include "framework/icons/IconFile.h"

TIconHandle TIconFile::Load(int width, int height, UINT flags) const {
  if (path_.IsEmpty()) return TIconHandle();
  return TIconHandle(static_cast<HICON>(
      LoadImageA(nullptr, path_.c_str(), IMAGE_ICON, width, height, flags | LR_LOADFROMFILE)));
}

TIconHandle TIconFile::MakeIcon(int kind) {
  const int size = IconKindSize(kind);
  return Load(size, size, IconKindFlags(kind));
}

TIconHandle TIconFile::CreateIcon(int width, int height, TIconSource* fallback) {
  TIconHandle icon = Load(width, height, 0);
  if (icon) return icon;
  return TIconSource::CreateIcon(width, height, fallback);
}
