#pragma once
// The common shape of most sources: at most one small and one large icon,
// each made on its first request and kept until the source goes. A request
// that failed is not repeated, so a missing file or a slow shell is asked
// once per run, not at every menu paint.
#include <windows.h>

#include "framework/icons/IconSource.h"

class TCachedIconSource : public TIconSource {
 public:
  HICON GetIcon(int kind, TIconSource* fallback = nullptr) override;

 protected:
  // The icon of `kind` (kSmallIcon or kLargeIcon), owned by the caller, or
  // empty when this source has none.
  virtual TIconHandle MakeIcon(int kind) = 0;
  // Fills a slot up front, for sources that are given their icons.
  void Keep(int kind, TIconHandle icon);

 private:
  struct Slot {
    TIconHandle icon;
    bool tried = false;
  };
  Slot slots_[2];
};
