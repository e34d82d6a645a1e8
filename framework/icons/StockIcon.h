#pragma once
// A system icon by its IDI_ number. The large icon is the system's shared
// handle (never destroyed); the small one is a copy this source owns.
#include <windows.h>

#include "framework/icons/IconSource.h"

class TStockIcon : public TIconSource {
 public:
  explicit TStockIcon(int id) : id_(id) {}
  int Id() const { return id_; }
  HICON GetIcon(int kind, TIconSource* fallback = nullptr) override;
  TIconHandle CreateIcon(int width, int height, TIconSource* fallback = nullptr) override;

 private:
  int id_;
  HICON shared_ = nullptr;  // LoadIconA: owned by the system
  TIconHandle small_;
  bool triedShared_ = false;
  bool triedSmall_ = false;
};

// A new copy of stock icon `id` at `width` x `height` with the loader
// `flags`, owned by the caller; empty when the system has no such icon.
TIconHandle LoadStockIconSized(int id, int width, int height, UINT flags);
