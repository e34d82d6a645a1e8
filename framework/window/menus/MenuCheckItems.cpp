#include <windows.h>

#include "framework/window/menus/MenuCheckItems.h"

#include "framework/registry/TRegValue.h"

void TMenuCheckItem::Save(const TRegKeyList& keys) const { TRegDword(keys, valueName_).Write(checked_ ? 1 : 0); }

void TMenuCheckItem::Load(const TRegKeyList& keys) {
  DWORD stored = initial_ ? 1 : 0;
  checked_ = TRegDword(keys, valueName_).Read(stored) == ERROR_SUCCESS ? stored != 0 : initial_;
}

void TMenuCheckItem::Apply(HMENU menu) const {
  CheckMenuItem(menu, command_, MF_BYCOMMAND | (checked_ ? MF_CHECKED : MF_UNCHECKED));
}

void TMenuCheckItem::ReadBack(HMENU menu) {
  const UINT state = GetMenuState(menu, command_, MF_BYCOMMAND);
  if (state != static_cast<UINT>(-1)) checked_ = (state & MF_CHECKED) != 0;
}

bool TMenuCheckItem::OnCommand(HMENU menu, UINT command) {
  if (command != command_) return false;
  ReadBack(menu);
  checked_ = !checked_;
  Apply(menu);
  return true;
}

const TMenuCheckItem* TMenuCheckGroup::Find(UINT command) const {
  for (const TMenuCheckItem& item : items_) {
    if (item.Command() == command) return &item;
  }
  return nullptr;
}

void TMenuCheckGroup::Save(const TRegKeyList& keys) const {
  for (const TMenuCheckItem& item : items_) item.Save(keys);
}

void TMenuCheckGroup::Load(const TRegKeyList& keys) {
  for (TMenuCheckItem& item : items_) item.Load(keys);
}

void TMenuCheckGroup::Apply() const {
  for (const TMenuCheckItem& item : items_) item.Apply(menu_);
}

void TMenuCheckGroup::ReadBack() {
  for (TMenuCheckItem& item : items_) item.ReadBack(menu_);
}

bool TMenuCheckGroup::OnCommand(UINT command) {
  for (TMenuCheckItem& item : items_) {
    if (item.OnCommand(menu_, command)) return true;
  }
  return false;
}
