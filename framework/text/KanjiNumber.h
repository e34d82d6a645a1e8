#pragma once
// Integers in kanji numerals, as Japanese dates and times write them.
#include <cstdint>

#include "framework/text/TString.h"

// Positional kanji numerals with the units ten, hundred and thousand inside a
// group of four digits and the group markers for 10^4, 10^8, 10^12 and 10^16,
// so every 64-bit value has a form. One before ten, hundred and thousand is
// left out (1000 is "thousand"); one before a group marker is written
// (10000 is "one ten-thousand").
TString ToKanjiNumber(uint64_t number);
