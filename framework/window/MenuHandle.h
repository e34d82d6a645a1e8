#pragma once
// A menu that no window owns (a menu bar is destroyed with its window and must
// not be held here).
#include <windows.h>

#include "framework/util/UniqueHandle.h"

struct TMenuTraits {
  using Handle = HMENU;
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
using TMenuHandle = TUniqueHandle<TMenuTraits>;
