#pragma once
// Sole owner of one icon made for its holder (loaded, copied or created) and
// destroyed once with DestroyIcon. Move-only: a copy would destroy the same
// icon twice, and a destroyed HICON value may already name a newer icon.
// Shared icons (LoadIcon of system icons, LR_SHARED) must never be put in one.
#include <windows.h>

#include "framework/util/UniqueHandle.h"

struct TIconTraits {
  using Handle = HICON;
  static void Free(HICON icon) { DestroyIcon(icon); }
};
using TIconHandle = TUniqueHandle<TIconTraits>;

// CopyImage of an icon at `width` x `height` (0 keeps the icon's own size);
// empty when there is nothing to copy or the copy fails.
inline TIconHandle CopyIconSized(HICON icon, int width, int height) {
  if (icon == nullptr) return TIconHandle();
  return TIconHandle(static_cast<HICON>(CopyImage(icon, IMAGE_ICON, width, height, 0)));
}
