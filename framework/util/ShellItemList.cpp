#include <windows.h>

#include "framework/util/ShellItemList.h"

#include "framework/util/ComPtr.h"

void TShellItemListTraits::Free(LPITEMIDLIST list) {
  TComPtr<IMalloc> allocator;
  // Without the allocator the list cannot be freed safely; leaking it is the
  // lesser harm.
  if (SUCCEEDED(SHGetMalloc(allocator.Receive()))) allocator->Free(list);
}
