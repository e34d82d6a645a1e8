#include <windows.h>

#include "app/AppSettings.h"

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/TRegValue.h"

bool ReadApplicationDword(const char* name, uint32_t& value) {
  TRegKeyList keys(ApplicationKeys());
  keys.Create();
  DWORD stored = value;
  const bool found = TRegDword(keys, name).Read(stored) == ERROR_SUCCESS;
  keys.Close();
  if (found) value = stored;
  return found;
}

bool WriteApplicationDword(const char* name, uint32_t value) {
  TRegKeyList keys(ApplicationKeys());
  keys.Create();
  const bool written = TRegDword(keys, name).Write(value) == ERROR_SUCCESS;
  keys.Close();
  return written;
}

