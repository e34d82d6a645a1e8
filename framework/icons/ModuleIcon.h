#pragma once
// An icon of another executable or library, by position in its icon list or
// by resource ID (negative index). The module's table keeps the icons, so
// every source naming the same icon shares one handle per kind. Serves all
// four kinds.
#include <windows.h>

#include "framework/icons/IconSource.h"
#include "framework/icons/ModuleCache.h"

class TModuleIcon : public TIconSource {
 public:
  TModuleIcon(TModuleEntry& module, int index) : module_(module), index_(index) {}
  TModuleEntry& Module() const { return module_; }
  int Index() const { return index_; }

  HICON GetIcon(int kind, TIconSource* fallback = nullptr) override;
  TIconHandle CreateIcon(int width, int height, TIconSource* fallback = nullptr) override;

 private:
  // The icon at the resolved position, or for position 0 of a program
  // without icons the application icon; empty when there is neither.
  TIconHandle Make(size_t position, int width, int height, UINT flags) const;

  TModuleEntry& module_;
  int index_;
};
