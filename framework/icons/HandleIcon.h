#pragma once
// Icons handed over by the caller (drawn in code, read from a window), which
// this source then owns. A missing size is copied from the other one.
#include <windows.h>

#include "framework/icons/CachedIconSource.h"

class THandleIcon : public TCachedIconSource {
 public:
  THandleIcon(TIconHandle small, TIconHandle large);

 protected:
  TIconHandle MakeIcon(int) override { return TIconHandle(); }
};
