#include <windows.h>

#include "framework/icons/IconTable.h"

#include <algorithm>
#include <utility>

#include "framework/icons/pure/IconTablePosition.h"

namespace {

BOOL CALLBACK CollectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR list) {
  // String names point into the enumeration's own buffer: copy them now.
  reinterpret_cast<std::vector<TResourceName>*>(list)->push_back(TResourceName(name));
  return TRUE;
}

}  // namespace

TIconTable::TIconTable(HMODULE module) {
  if (module != nullptr) {
    EnumResourceNamesA(module, RT_GROUP_ICON, CollectName, reinterpret_cast<LONG_PTR>(&names_));
  }
  for (auto& slots : slots_) slots.resize(std::max<size_t>(names_.size(), 1));
}

size_t TIconTable::PositionOf(int index) const { return IconTablePosition(names_, index); }

HICON TIconTable::Cached(size_t position, int kind) const {
  if (!IsIconKind(kind) || position >= slots_[kind].size()) return nullptr;
  return slots_[kind][position].Get();
}

HICON TIconTable::Keep(size_t position, int kind, TIconHandle icon) {
  if (!IsIconKind(kind) || position >= slots_[kind].size()) return nullptr;
  slots_[kind][position] = std::move(icon);
  return slots_[kind][position].Get();
}
