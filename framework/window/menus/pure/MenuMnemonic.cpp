#include "framework/window/menus/pure/MenuMnemonic.h"

#include "framework/text/ShiftJis.h"

namespace {

unsigned char UpperLetter(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 32) : c; }

}  // namespace

unsigned char MenuMnemonic(const TString& text) {
  const size_t length = text.Length();
  size_t i = 0;
  while (i < length) {
    const unsigned char c = static_cast<unsigned char>(text.At(i));
    if (c != '&') {
      i += CharLength(length - i, text.c_str() + i);
      continue;
    }
    const unsigned char next = static_cast<unsigned char>(text.At(i + 1));
    if (next == '&') {
      i += 2;
      continue;
    }
    // A double-byte character after the ampersand underlines nothing a key
    // can type; nor does a tab (the shortcut starts there) or the end.
    if (next == '\0' || next == '\t' || IsLeadByte(next)) return 0;
    return UpperLetter(next);
  }
  return 0;
}

bool MatchesMenuMnemonic(const TString& text, unsigned char typed) {
  return typed != 0 && MenuMnemonic(text) == UpperLetter(typed);
}
