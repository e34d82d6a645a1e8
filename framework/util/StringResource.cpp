#include <windows.h>

#include "framework/util/StringResource.h"

#include "framework/util/ShiftJis.h"

namespace {

// Length of `text` without a final lead byte whose trail byte fell outside the
// buffer, so a cut text never ends in half a character.
int WholeCharacterLength(const char* text, int length) {
  int whole = 0;
  while (whole < length) {
    const size_t step = CharLength(static_cast<size_t>(length - whole), text + whole);
    if (step == 1 && whole + 1 == length && IsLeadByte(static_cast<unsigned char>(text[whole]))) {
      break;
    }
    whole += static_cast<int>(step);
  }
  return whole;
}

}  // namespace

TString StringResource(HINSTANCE module, UINT id, TTextConversion display) {
  char buffer[1024] = {};
  const int length = LoadStringA(module, id, buffer, sizeof(buffer));
  if (length <= 0) return TString();
  const TString text(buffer, static_cast<size_t>(WholeCharacterLength(buffer, length)));
  return display != nullptr ? display(text) : text;
}

TString StringResource(UINT id, TTextConversion display) {
  return StringResource(GetModuleHandleA(nullptr), id, display);
}
