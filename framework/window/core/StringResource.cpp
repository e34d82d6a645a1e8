#include <windows.h>

#include "framework/window/core/StringResource.h"

#include "framework/text/ShiftJis.h"
#include "framework/window/core/DisplayText.h"

TString StringResource(HINSTANCE module, UINT id, TTextForm form) {
  char buffer[1024] = {};
  const int length = LoadStringA(module, id, buffer, sizeof(buffer));
  if (length <= 0) return TString();
  const TString text(buffer, WholeCharacterLength(buffer, static_cast<size_t>(length)));
  return form == TTextForm::Display ? ToDisplayText(text) : text;
}

TString StringResource(UINT id, TTextForm form) {
  return StringResource(GetModuleHandleA(nullptr), id, form);
}
