// The typed reads of a key list. Every read goes through one fixed buffer of
// 1024 bytes: longer values count as absent, and what comes back is never
// trusted to be terminated or to be of the kind asked for.
#include <windows.h>

#include "framework/registry/TRegKeyList.h"
#include "framework/registry/pure/RegValueBytes.h"

namespace {

constexpr DWORD kValueBufferSize = 1024;

struct ValueBuffer {
  DWORD type = REG_NONE;
  DWORD size = 0;
  char bytes[kValueBufferSize];
};

LONG QueryValue(HKEY key, const TString& name, ValueBuffer& value) {
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  value.type = REG_NONE;
  value.size = kValueBufferSize;
  const LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type,
                                       reinterpret_cast<BYTE*>(value.bytes), &value.size);
  // The size is the API's word; never let it reach past the buffer.
  if (result == ERROR_SUCCESS && value.size > kValueBufferSize) return ERROR_MORE_DATA;
  return result;
}

bool IsText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ; }

}  // namespace

LONG TRegKeyList::ReadString(const TString& name, TString& text) const {
  ValueBuffer value;
  text = TString();  // also when there is no entry to try
  return SearchFromLast([&](HKEY key) {
    text = TString();
    LONG result = QueryValue(key, name, value);
    if (result == ERROR_SUCCESS && !IsText(value.type)) result = ERROR_UNSUPPORTED_TYPE;
    if (result == ERROR_SUCCESS) text = TextFromValueBytes(value.bytes, value.size);
    return result;
  });
}

LONG TRegKeyList::ReadDword(const TString& name, DWORD& number) const {
  ValueBuffer value;
  return SearchFromLast([&](HKEY key) {
    LONG result = QueryValue(key, name, value);
    if (result == ERROR_SUCCESS && value.type != REG_DWORD) result = ERROR_UNSUPPORTED_TYPE;
    if (result == ERROR_SUCCESS && value.size != sizeof(DWORD)) result = ERROR_INVALID_DATA;
    if (result == ERROR_SUCCESS) CopyMemory(&number, value.bytes, sizeof(DWORD));
    return result;
  });
}

LONG TRegKeyList::ReadBinary(const TString& name, TByteBuffer& bytes) const {
  ValueBuffer value;
  bytes.Clear();
  return SearchFromLast([&](HKEY key) {
    bytes.Clear();
    const LONG result = QueryValue(key, name, value);
    if (result == ERROR_SUCCESS) bytes.Assign(value.bytes, value.size);
    return result;
  });
}

LONG TRegKeyList::ReadMultiString(const TString& name, TStringArray& items) const {
  ValueBuffer value;
  items = TStringArray();
  return SearchFromLast([&](HKEY key) {
    items = TStringArray();
    LONG result = QueryValue(key, name, value);
    if (result == ERROR_SUCCESS && value.type != REG_MULTI_SZ && !IsText(value.type)) {
      result = ERROR_UNSUPPORTED_TYPE;
    }
    if (result == ERROR_SUCCESS) items = SplitMultiString(value.bytes, value.size);
    return result;
  });
}
