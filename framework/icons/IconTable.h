#pragma once
// The icon groups of one module in the order the resource enumeration
// reports them, with a cache of the icons made from them: one slot per group
// and kind. The table owns those icons and destroys them with itself.
#include <windows.h>

#include <vector>

#include "framework/base/Owners.h"
#include "framework/icons/IconSource.h"
#include "framework/icons/pure/ResourceName.h"

class TIconTable {
 public:
  explicit TIconTable(HMODULE module);
  TIconTable(const TIconTable&) = delete;
  TIconTable& operator=(const TIconTable&) = delete;

  const std::vector<TResourceName>& Names() const { return names_; }
  size_t Count() const { return names_.size(); }
  // See IconTablePosition.
  size_t PositionOf(int index) const;

  // Slots exist for every position, and for position 0 of an empty table
  // (where a module without icons keeps its stand-in).
  HICON Cached(size_t position, int kind) const;
  // Takes `icon`; returns the kept handle (null when the slot is invalid).
  HICON Keep(size_t position, int kind, TIconHandle icon);

 private:
  std::vector<TResourceName> names_;
  std::vector<TIconHandle> slots_[kIconKindCount];
};
