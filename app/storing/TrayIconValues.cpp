#include <windows.h>

#include "app/storing/TrayIconValues.h"

#include "app/AppState.h"
#include "app/storing/pure/TrayText.h"
#include "framework/registry/RegEnum.h"
#include "framework/registry/RegRoots.h"
#include "framework/registry/TRegValue.h"
#include "framework/text/TTextList.h"

namespace {

TRegKeyList TrayIconKeys() { return TRegKeyList(RegCurrentUser, kTrayIconKeyPath); }

}  // namespace

void WriteTrayIconValue(int iconId, HWND window) {
  TRegKeyList keys = TrayIconKeys();
  if (keys.Create() != ERROR_SUCCESS) return;
  TRegDword(keys, TrayIconValueName(iconId)).Write(static_cast<DWORD>(reinterpret_cast<UINT_PTR>(window)));
  keys.Close();
}

void DeleteTrayIconValue(int iconId) {
  TRegKeyList keys = TrayIconKeys();
  if (keys.Create() != ERROR_SUCCESS) return;
  keys.DeleteValue(TrayIconValueName(iconId));
  keys.Close();
}

bool TrayIconValueExists(int iconId) {
  TRegKeyList keys = TrayIconKeys();
  if (keys.Open(KEY_READ) != ERROR_SUCCESS) return false;
  const bool exists = RegQueryValueExA(keys.Handle(0), TrayIconValueName(iconId).c_str(), nullptr, nullptr, nullptr,
                                       nullptr) == ERROR_SUCCESS;
  keys.Close();
  return exists;
}

void DeleteAllTrayIconValues() {
  TRegKeyList keys = TrayIconKeys();
  if (keys.Create() != ERROR_SUCCESS) return;
  DeleteAllValues(keys.Handle(0));
  keys.Close();
}

std::vector<TKeptValue> ReadTrayIconValues() {
  std::vector<TKeptValue> values;
  TRegKeyList keys = TrayIconKeys();
  if (keys.Create() != ERROR_SUCCESS) return values;
  TTextList names;
  EnumValueNames(keys.Handle(0), names);
  for (const TString& name : names) {
    DWORD handle = 0;
    if (keys.ReadDword(name, handle) != ERROR_SUCCESS) handle = 0;
    values.push_back({name, handle, false});
  }
  keys.Close();
  return values;
}

bool ApplyTrayIconSteps(const std::vector<TValueStep>& steps) {
  TRegKeyList keys = TrayIconKeys();
  if (keys.Create() != ERROR_SUCCESS) return false;
  bool complete = true;
  for (const TValueStep& step : steps) {
    if (step.kind == TValueStep::kWrite) {
      complete = TRegDword(keys, step.name).Write(step.handle) == ERROR_SUCCESS;
      if (!complete) break;
    } else {
      // A value left behind names a window that has another; the next
      // take-over drops it.
      keys.DeleteValue(step.name);
    }
  }
  keys.Close();
  return complete;
}
