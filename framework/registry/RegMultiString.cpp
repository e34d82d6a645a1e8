#include <windows.h>

#include "framework/registry/RegMultiString.h"

#include <string>

#include "framework/registry/pure/RegValueBytes.h"

LONG WriteMultiString(HKEY key, const TString& name, const TStringArray& items) {
  if (key == nullptr) return ERROR_INVALID_HANDLE;
  std::string bytes;
  // Refused rather than cut: a shortened list would pass for the whole one.
  if (!JoinMultiString(items, kMultiStringCapacity, bytes)) return ERROR_INSUFFICIENT_BUFFER;
  // The final terminator is written too: readers that trust the stored form
  // (as the registry's own documentation asks of writers) need both NULs.
  return RegSetValueExA(key, name.c_str(), 0, REG_MULTI_SZ,
                        reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size()));
}
