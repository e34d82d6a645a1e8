#pragma once
// Conversion between the half-width (single-byte) and full-width (double-byte)
// forms of digits, Latin letters, symbols and katakana in code page 932 text.
// `flags` selects the classes of WidthClasses.h that are converted; all other
// characters pass through unchanged.
#include <cstddef>
#include <cstdint>

#include "framework/util/TString.h"
#include "framework/util/WidthClasses.h"

// The full-width code (lead x 256 + trail) of `byte` when its class is in
// `flags`, else `byte` itself. Voiced kana need two bytes: see ToFullWidth.
uint16_t CharToFullWidth(unsigned char byte, unsigned flags);

// The single byte of the double-byte `code` when its class is in `flags`, else
// `code` itself.
uint16_t CharToHalfWidth(uint16_t code, unsigned flags);

// Whole texts. A half-width katakana followed by a sound mark becomes one
// voiced full-width kana with kWidthKana, and u followed by the voiced mark
// becomes vu whatever the flags; ToHalfWidth splits them again with kWidthKana.
TString ToFullWidth(const TString& text, unsigned flags);
TString ToHalfWidth(const TString& text, unsigned flags);

// The half-width form of one character of `length` bytes (1 or 2, as
// CharLength steps), written to `out`; returns the bytes written (1 or 2,
// never more than `length`).
size_t HalfWidthOfChar(const char* character, size_t length, unsigned flags, char* out);
