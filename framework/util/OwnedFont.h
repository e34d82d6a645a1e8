#pragma once
// A GDI font made for the caller, deleted once. Release() hands the font to an
// owner that deletes it itself (for instance a control that keeps it).
#include <windows.h>

#include "framework/util/UniqueHandle.h"

struct TFontTraits {
  using Handle = HFONT;
  static void Free(HFONT font) { DeleteObject(font); }
};
using TOwnedFont = TUniqueHandle<TFontTraits>;
