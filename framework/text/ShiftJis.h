#pragma once
// Character stepping over code page 932 text, without asking the system:
// the ranges are fixed, so pure code and its native tests agree with Windows.
#include <cstddef>

inline bool IsLeadByte(unsigned char b) {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

inline bool IsTrailByte(unsigned char b) {
  return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC);
}

// Bytes of the character at `position`, given `remaining` bytes from there on:
// a lead/trail pair, CR LF and LF CR are one character; fewer than two bytes
// left gives what is left.
inline size_t CharLength(size_t remaining, const char* position) {
  if (remaining < 2) return remaining;
  const unsigned char first = static_cast<unsigned char>(position[0]);
  const unsigned char second = static_cast<unsigned char>(position[1]);
  if (IsLeadByte(first) && IsTrailByte(second)) return 2;
  if ((first == '\r' && second == '\n') || (first == '\n' && second == '\r')) return 2;
  return 1;
}

// The first `length` bytes of `text` less a final lead byte whose trail byte
// was cut off, so that a cut text never ends in half a character.
inline size_t WholeCharacterLength(const char* text, size_t length) {
  size_t whole = 0;
  while (whole < length) {
    const size_t step = CharLength(length - whole, text + whole);
    if (step == 1 && whole + 1 == length && IsLeadByte(static_cast<unsigned char>(text[whole]))) break;
    whole += step;
  }
  return whole;
}
