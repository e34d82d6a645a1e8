#include <windows.h>

#include "framework/registry/TRegValue.h"

#include <cstring>

namespace {

LONG SetValue(const TRegKeyList& keys, const TString& name, DWORD type, const void* data,
              DWORD size) {
  HKEY key = keys.LastHandle();
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  return RegSetValueExA(key, name.c_str(), 0, type, static_cast<const BYTE*>(data), size);
}

}  // namespace

bool TRegString::Exists() const {
  TString scratch;
  return Read(scratch) == ERROR_SUCCESS;
}

TString TRegString::Get(const TString& fallback) const {
  TString text;
  return Read(text) == ERROR_SUCCESS ? text : fallback;
}

LONG TRegString::Write(const TString& text) const {
  const DWORD size = static_cast<DWORD>(std::strlen(text.c_str()) + 1);
  return SetValue(keys_, name_, REG_SZ, text.c_str(), size);
}

bool TRegDword::Exists() const {
  DWORD scratch = 0;
  return Read(scratch) == ERROR_SUCCESS;
}

DWORD TRegDword::Get(DWORD fallback) const {
  DWORD value = fallback;
  Read(value);
  return value;
}

LONG TRegDword::Write(DWORD value) const {
  return SetValue(keys_, name_, REG_DWORD, &value, sizeof value);
}

bool TRegBinary::Exists() const {
  TByteBuffer scratch;
  return Read(scratch) == ERROR_SUCCESS;
}

LONG TRegBinary::Write(const TByteBuffer& bytes) const {
  return SetValue(keys_, name_, REG_BINARY, bytes.Data(), static_cast<DWORD>(bytes.Size()));
}
