#pragma once
// A shell item list (PIDL) handed out by the shell, freed through the shell's
// own allocator as the shell requires: another heap's free would corrupt memory.
#include <windows.h>
#include <shlobj.h>

#include "framework/util/UniqueHandle.h"

struct TShellItemListTraits {
  using Handle = LPITEMIDLIST;
  static void Free(LPITEMIDLIST list);
};
using TShellItemList = TUniqueHandle<TShellItemListTraits>;
