#pragma once
// Owners of GDI bitmaps and memory device contexts, freed once.
#include <windows.h>

#include "framework/util/UniqueHandle.h"

struct TBitmapTraits {
  using Handle = HBITMAP;
  static void Free(HBITMAP bitmap) { DeleteObject(bitmap); }
};
using TBitmapHandle = TUniqueHandle<TBitmapTraits>;

struct TMemoryDcTraits {
  using Handle = HDC;
  static void Free(HDC dc) { DeleteDC(dc); }
};
using TMemoryDc = TUniqueHandle<TMemoryDcTraits>;
