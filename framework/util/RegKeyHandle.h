#pragma once
// One open registry key. Closing reports the system's answer, which the key
// lists pass on; closing nothing succeeds, since an entry whose creation
// failed has nothing to give back.
#include <windows.h>

#include "framework/util/UniqueHandle.h"

struct TRegKeyTraits {
  using Handle = HKEY;
  static void Free(HKEY key) { RegCloseKey(key); }
};

class TRegKeyHandle : public TUniqueHandle<TRegKeyTraits> {
 public:
  using TUniqueHandle::TUniqueHandle;
  LONG Close() {
    const HKEY key = Release();
    return key != nullptr ? RegCloseKey(key) : ERROR_SUCCESS;
  }
};
