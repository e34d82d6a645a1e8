#pragma once
// Classes of single bytes of code page 932 text. Only ASCII bytes belong to
// the letter and digit classes: a lead byte, a trail byte or a half-width
// katakana is never taken for a letter, so callers that walk by bytes cannot
// split a double-byte character on a class boundary.
inline bool IsDigitByte(char c) { return c >= '0' && c <= '9'; }
inline bool IsHexDigitByte(char c) {
  return IsDigitByte(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
inline bool IsUpperByte(char c) { return c >= 'A' && c <= 'Z'; }
inline bool IsLowerByte(char c) { return c >= 'a' && c <= 'z'; }
inline bool IsLetterByte(char c) { return IsUpperByte(c) || IsLowerByte(c); }
// Letters, digits and '_', as names in macros and keys are spelled.
inline bool IsIdentifierByte(char c) { return IsLetterByte(c) || IsDigitByte(c) || c == '_'; }
inline bool IsLineBreakByte(char c) { return c == '\r' || c == '\n'; }
// Every byte but the three that break a line or a column when shown (TAB, LF,
// CR); other control bytes are shown as the font draws them.
inline bool IsPrintableByte(char c) { return c != '\t' && !IsLineBreakByte(c); }
