#include <windows.h>

#include "framework/base/Owners.h"

#include <shlobj.h>

void TShellItemListTraits::Free(struct _ITEMIDLIST* list) {
  TComPtr<IMalloc> allocator;
  // Without the allocator the list cannot be freed safely; leaking it is the
  // lesser harm.
  if (SUCCEEDED(SHGetMalloc(allocator.Receive()))) allocator->Free(list);
}
