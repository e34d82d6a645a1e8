#include <windows.h>

#include "app/AppSettings.h"

#include "app/AppState.h"
#include "framework/registry/RegEnum.h"
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

void DeleteAllTrayIconValues() {
  TRegKeyList keys(RegCurrentUser, kTrayIconKeyPath);
  if (keys.Create() == ERROR_SUCCESS) DeleteAllValues(keys.Handle(0));
  keys.Close();
}
