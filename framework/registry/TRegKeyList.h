#pragma once
// An ordered list of registry keys read as layers: reads search from the last
// entry back to the first, so the last entry wins and earlier entries act as
// fallbacks; writes and deletions of values go to the last entry only;
// creating, opening and closing act on every entry, first to last.
//
// Every operation returns a Win32 error code (ERROR_SUCCESS = 0). Handles are
// owned by the entries: Close gives them back early, destruction gives back
// whatever is still open. A copy names the same keys and starts closed.
#include <windows.h>

#include <list>

#include "framework/registry/TRegKeyEntry.h"
#include "framework/text/TByteBuffer.h"
#include "framework/text/TString.h"
#include "framework/text/TStringArray.h"

class TRegKeyList {
 public:
  TRegKeyList() = default;
  // A one-entry list, the shape every user of the store builds.
  TRegKeyList(HKEY root, const TString& path) { Append(TRegKeyEntry(root, path)); }
  TRegKeyList(const TRegKeyList& other) = default;  // entries copy closed
  TRegKeyList& operator=(const TRegKeyList& other) = default;
  TRegKeyList(TRegKeyList&&) = default;
  TRegKeyList& operator=(TRegKeyList&&) = default;

  // Adds a closed copy of `entry` as the new last entry.
  void Append(const TRegKeyEntry& entry) { entries_.push_back(entry); }
  int Count() const { return static_cast<int>(entries_.size()); }
  // The entry at `index` (0 = first), or null when out of range.
  const TRegKeyEntry* Entry(int index) const;
  // The open handle of entry `index` (0 = first); null when closed or out of range.
  HKEY Handle(int index) const;
  // Where writes go: the last entry's handle, null for an empty or closed list.
  HKEY LastHandle() const;

  // Every entry is tried; the result is the first failure. The program
  // passes options 0 (REG_OPTION_NON_VOLATILE). Readers of system keys that
  // the user may not change pass KEY_READ.
  LONG Create(DWORD options = REG_OPTION_NON_VOLATILE, REGSAM access = KEY_ALL_ACCESS);
  LONG Open(REGSAM access = KEY_ALL_ACCESS);
  LONG Close();

  // Reads stop at the last entry that holds a value of the kind; the result
  // is that of the last attempt. Values of another registry type count as
  // absent (ERROR_UNSUPPORTED_TYPE) and the search goes on.
  //
  // REG_SZ or REG_EXPAND_SZ (not expanded) of at most 1024 bytes, terminator
  // included; `text` is always replaced, empty when absent.
  LONG ReadString(const TString& name, TString& text) const;
  // REG_DWORD of 4 bytes; `value` is only changed on success, so callers
  // preset it with their default.
  LONG ReadDword(const TString& name, DWORD& value) const;
  // A value of any type up to 1024 bytes (bytes are bytes); `bytes` is always
  // replaced, empty when absent.
  LONG ReadBinary(const TString& name, TByteBuffer& bytes) const;
  // REG_MULTI_SZ, or a single REG_SZ / REG_EXPAND_SZ as a list of one, of at
  // most 1024 bytes; `items` is always replaced, empty when absent.
  LONG ReadMultiString(const TString& name, TStringArray& items) const;

  // On the last entry only.
  LONG DeleteValue(const TString& name) const;
  // Closes the last entry and deletes its key (a key without sub-keys).
  LONG DeleteKey();
  // The same for every entry, last to first so that a nested entry goes
  // before its parent; the result is the first failure.
  LONG DeleteKeyInAllEntries();

 private:
  // Calls `attempt` with each entry's handle from the last to the first
  // until one succeeds; the result is the last attempt's.
  template <class Attempt>
  LONG SearchFromLast(Attempt attempt) const {
    LONG result = ERROR_FILE_NOT_FOUND;
    for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
      result = attempt(entry->Handle());
      if (result == ERROR_SUCCESS) break;
    }
    return result;
  }

  std::list<TRegKeyEntry> entries_;
};
