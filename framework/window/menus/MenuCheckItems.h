#pragma once
// Check items of a menu whose state is a setting: each keeps a DWORD 0/1
// under its own name, shows it as the item's check mark, and turns over when
// its command is chosen. A group hands each operation to its items in order.
#include <windows.h>

#include <vector>

#include "framework/registry/TRegKeyList.h"
#include "framework/text/TString.h"

class TMenuCheckItem {
 public:
  TMenuCheckItem(UINT command, const TString& valueName, bool initial)
      : command_(command), valueName_(valueName), checked_(initial), initial_(initial) {}

  UINT Command() const { return command_; }
  bool Checked() const { return checked_; }

  void Save(const TRegKeyList& keys) const;
  // A missing value gives the initial state.
  void Load(const TRegKeyList& keys);
  void Apply(HMENU menu) const;
  void ReadBack(HMENU menu);
  // True when `command` was this item's: the check mark has turned over.
  bool OnCommand(HMENU menu, UINT command);

 private:
  UINT command_;
  TString valueName_;
  bool checked_;
  bool initial_;
};

class TMenuCheckGroup {
 public:
  explicit TMenuCheckGroup(HMENU menu) : menu_(menu) {}
  TMenuCheckItem& Add(const TMenuCheckItem& item) {
    items_.push_back(item);
    return items_.back();
  }
  const TMenuCheckItem* Find(UINT command) const;

  void Save(const TRegKeyList& keys) const;
  void Load(const TRegKeyList& keys);
  void Apply() const;
  void ReadBack();
  // Stops at the first item that takes the command.
  bool OnCommand(UINT command);

 private:
  HMENU menu_;
  std::vector<TMenuCheckItem> items_;
};
