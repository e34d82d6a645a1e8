#pragma once
// Conversion between the half-width (single-byte) and full-width (double-byte)
// forms of digits, Latin letters, symbols and katakana in code page 932 text.
// `flags` selects the classes of WidthClasses.h that are converted; all other
// characters pass through unchanged.
#include <cstdint>

#include "framework/text/TString.h"
#include "framework/text/WidthClasses.h"

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
