#include <windows.h>

#include "framework/registry/RegEnum.h"

namespace {

template <class EnumOne>
LONG EnumNames(HKEY key, TTextList& names, EnumOne enumOne) {
  names.Clear();
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  for (DWORD index = 0;; ++index) {
    char name[kRegNameBufferSize];
    DWORD length = kRegNameBufferSize;
    const LONG result = enumOne(index, name, &length);
    if (result == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
    if (result != ERROR_SUCCESS) return result;
    if (length >= kRegNameBufferSize) return ERROR_MORE_DATA;  // never trust a length past the buffer
    names.Append(TString(name, length));
  }
}

}  // namespace

LONG EnumValueNames(HKEY key, TTextList& names) {
  return EnumNames(key, names, [key](DWORD index, char* name, DWORD* length) {
    return RegEnumValueA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

LONG EnumSubKeyNames(HKEY key, TTextList& names) {
  return EnumNames(key, names, [key](DWORD index, char* name, DWORD* length) {
    return RegEnumKeyExA(key, index, name, length, nullptr, nullptr, nullptr, nullptr);
  });
}

LONG DeleteAllValues(HKEY key) {
  // List first: deleting while enumerating would shift the indexes.
  TTextList names;
  const LONG listed = EnumValueNames(key, names);
  LONG first = ERROR_SUCCESS;
  for (const TString& name : names) {
    const LONG result = RegDeleteValueA(key, name.c_str());
    if (first == ERROR_SUCCESS) first = result;
  }
  return listed != ERROR_SUCCESS ? listed : first;
}
