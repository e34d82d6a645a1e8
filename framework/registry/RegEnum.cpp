#include <windows.h>

#include "framework/registry/RegEnum.h"

#include <algorithm>
#include <vector>

namespace {

// A value name may have 16383 characters, two bytes each in a double-byte
// code page: the buffer grows to that, never further.
constexpr DWORD kLongestNameBytes = 2 * 16383 + 1;

template <class EnumOne>
LONG EnumNames(HKEY key, TTextList& names, EnumOne enumOne) {
  names.Clear();
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  std::vector<char> name(kRegNameBufferSize);
  for (DWORD index = 0;;) {
    DWORD length = static_cast<DWORD>(name.size());
    LONG result = enumOne(index, name.data(), &length);
    if (result == ERROR_NO_MORE_ITEMS) return ERROR_SUCCESS;
    // Never trust a length past the buffer.
    if (result == ERROR_SUCCESS && length >= name.size()) result = ERROR_MORE_DATA;
    if (result == ERROR_MORE_DATA && name.size() < kLongestNameBytes) {
      // A name longer than any the program writes (an edit by hand) is listed
      // too: the names after it, and the value itself, must not be lost.
      name.resize(std::min<size_t>(name.size() * 4, kLongestNameBytes));
      continue;
    }
    if (result != ERROR_SUCCESS) return result;
    names.Append(TString(name.data(), length));
    ++index;
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
