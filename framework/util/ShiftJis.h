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
