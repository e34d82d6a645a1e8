#pragma once
// One registry key named by a root and a path below it, and the handle of the
// key while it is open. A copy names the same key but starts closed, so that
// only one entry ever owns a given handle.
#include <windows.h>

#include "framework/base/Owners.h"
#include "framework/text/TString.h"

class TRegKeyEntry {
 public:
  // `root` is borrowed: a predefined root or the open handle of another
  // entry, which must stay open while this entry is used.
  TRegKeyEntry(HKEY root, const TString& path) : root_(root), path_(path) {}
  TRegKeyEntry(const TRegKeyEntry& other) : root_(other.root_), path_(other.path_) {}
  TRegKeyEntry& operator=(const TRegKeyEntry& other);
  TRegKeyEntry(TRegKeyEntry&&) = default;
  TRegKeyEntry& operator=(TRegKeyEntry&&) = default;

  HKEY Root() const { return root_; }
  const TString& Path() const { return path_; }
  HKEY Handle() const { return handle_.Get(); }

  // Create makes missing keys, Open does not. Either closes a handle the
  // entry still held first; on failure the entry stays closed.
  LONG Create(DWORD options, REGSAM access);
  LONG Open(REGSAM access);
  LONG Close() { return handle_.Close(); }
  // Closes the entry and deletes its key (which must have no sub-keys).
  LONG DeleteKey();

 private:
  HKEY root_;
  TString path_;
  TRegKeyHandle handle_;
};
