#pragma once
// Character classes for conversion between the half-width (single-byte) and
// full-width (double-byte) forms of code page 932 text. A flag word may
// combine them; kWidthAll converts every class.

constexpr unsigned kWidthDigits = 0x01;        // 0-9
constexpr unsigned kWidthUpperLetters = 0x02;  // A-Z
constexpr unsigned kWidthLowerLetters = 0x04;  // a-z
constexpr unsigned kWidthKana = 0x08;          // katakana and kana punctuation
constexpr unsigned kWidthSymbols = 0x10;       // space and ASCII symbols, corner brackets
constexpr unsigned kWidthAll = 0xFFFF;
