#include <windows.h>

#include "framework/registry/TRegKeyList.h"

#include <iterator>

const TRegKeyEntry* TRegKeyList::Entry(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &*std::next(entries_.begin(), index);
}

HKEY TRegKeyList::Handle(int index) const {
  const TRegKeyEntry* entry = Entry(index);
  return entry ? entry->Handle() : nullptr;
}

HKEY TRegKeyList::LastHandle() const {
  return entries_.empty() ? nullptr : entries_.back().Handle();
}

LONG TRegKeyList::Create(DWORD options, REGSAM access) {
  LONG first = ERROR_SUCCESS;
  for (TRegKeyEntry& entry : entries_) {
    const LONG result = entry.Create(options, access);
    if (first == ERROR_SUCCESS) first = result;
  }
  return first;
}

LONG TRegKeyList::Open(REGSAM access) {
  LONG first = ERROR_SUCCESS;
  for (TRegKeyEntry& entry : entries_) {
    const LONG result = entry.Open(access);
    if (first == ERROR_SUCCESS) first = result;
  }
  return first;
}

LONG TRegKeyList::Close() {
  LONG first = ERROR_SUCCESS;
  for (TRegKeyEntry& entry : entries_) {
    const LONG result = entry.Close();
    if (first == ERROR_SUCCESS) first = result;
  }
  return first;
}

LONG TRegKeyList::DeleteValue(const TString& name) const {
  HKEY key = LastHandle();
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  return RegDeleteValueA(key, name.c_str());
}

LONG TRegKeyList::DeleteKey() {
  if (entries_.empty()) return ERROR_INVALID_HANDLE;
  return entries_.back().DeleteKey();
}

LONG TRegKeyList::DeleteKeyInAllEntries() {
  LONG first = ERROR_SUCCESS;
  for (auto entry = entries_.rbegin(); entry != entries_.rend(); ++entry) {
    const LONG result = entry->DeleteKey();
    if (first == ERROR_SUCCESS) first = result;
  }
  return first;
}
