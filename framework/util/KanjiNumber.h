#pragma once
// Integers written in kanji numerals, as dates and times in Japanese texts
// use them: 2024 is "two thousand twenty four" in kanji, 10 is ten, 0 is zero.
#include <cstdint>

#include "framework/util/TString.h"

// Positional kanji numerals with the units ten, hundred and thousand inside a
// group of four digits and the group markers for 10^4, 10^8, 10^12 and 10^16,
// so every 64-bit value has a form. One before ten, hundred and thousand is
// left out (1000 is "thousand"); one before a group marker is written
// (10000 is "one ten-thousand").
TString ToKanjiNumber(uint64_t number);
