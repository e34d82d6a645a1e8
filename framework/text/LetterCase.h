#pragma once
// Letter case of code page 932 text: the ASCII letters and the full-width
// Latin letters. Texts are stepped by characters, so a trail byte that happens
// to be an ASCII letter (the second byte of most katakana) is never changed.
#include <cstdint>

#include "framework/text/TString.h"

TString ToUpperLetters(const TString& text);
TString ToLowerLetters(const TString& text);

// One character as a code: a single byte, or lead x 256 + trail.
inline uint16_t UpperLetterCode(uint16_t code) {
  if (code >= 'a' && code <= 'z') return static_cast<uint16_t>(code - 0x20);
  if (code >= 0x8281 && code <= 0x829A) return static_cast<uint16_t>(code - 0x21);
  return code;
}

inline uint16_t LowerLetterCode(uint16_t code) {
  if (code >= 'A' && code <= 'Z') return static_cast<uint16_t>(code + 0x20);
  if (code >= 0x8260 && code <= 0x8279) return static_cast<uint16_t>(code + 0x21);
  return code;
}
