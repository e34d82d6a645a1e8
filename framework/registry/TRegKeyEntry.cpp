#include <windows.h>

#include "framework/registry/TRegKeyEntry.h"

namespace {

// The path as the API wants it. A trailing backslash is part of how the
// framework names its key, but not part of the key's name.
TString ApiPath(const TString& path) {
  size_t length = path.Length();
  while (length > 0 && path.At(length - 1) == '\\') --length;
  return TString(path.c_str(), length);
}

}  // namespace

TRegKeyEntry& TRegKeyEntry::operator=(const TRegKeyEntry& other) {
  if (this != &other) {
    handle_.Close();
    root_ = other.root_;
    path_ = other.path_;
  }
  return *this;
}

LONG TRegKeyEntry::Create(DWORD options, REGSAM access) {
  handle_.Close();
  if (root_ == nullptr) return ERROR_INVALID_HANDLE;
  HKEY key = nullptr;
  DWORD disposition = 0;
  const LONG result = RegCreateKeyExA(root_, ApiPath(path_).c_str(), 0, nullptr, options, access,
                                      nullptr, &key, &disposition);
  if (result == ERROR_SUCCESS) handle_.Reset(key);
  return result;
}

LONG TRegKeyEntry::Open(REGSAM access) {
  handle_.Close();
  if (root_ == nullptr) return ERROR_INVALID_HANDLE;
  HKEY key = nullptr;
  const LONG result = RegOpenKeyExA(root_, ApiPath(path_).c_str(), 0, access, &key);
  if (result == ERROR_SUCCESS) handle_.Reset(key);
  return result;
}

LONG TRegKeyEntry::DeleteKey() {
  handle_.Close();
  if (root_ == nullptr) return ERROR_INVALID_HANDLE;
  const TString path = ApiPath(path_);
  // An empty name would delete the root itself: a predefined root or the key
  // of a parent entry, never what the caller meant.
  if (path.IsEmpty()) return ERROR_INVALID_PARAMETER;
  return RegDeleteKeyA(root_, path.c_str());
}
