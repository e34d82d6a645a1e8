#pragma once
// The folded form of a text as MatchText compares it: letter case folded to
// upper case, then every width class to half-width. One pass over the text,
// equal to ToHalfWidth(ToUpperLetters(text), kWidthAll) when both are asked.
#include <cstddef>

// Writes the folded form of `length` bytes at `text` to `out` and returns its
// length. Neither folding lengthens a text, so `out` needs `length` bytes.
size_t FoldForMatch(const char* text, size_t length, bool foldCase, bool foldWidth, char* out);
