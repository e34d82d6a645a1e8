#include "framework/text/LineStepping.h"

#include "framework/text/ShiftJis.h"

namespace {
bool EndsLine(char c) { return c == '\r' || c == '\n' || c == '\0'; }
}  // namespace

size_t LineLength(size_t limit, const char* text) {
  if (text == nullptr) return 0;
  size_t at = 0;
  // CharLength looks one byte ahead only when the current byte is not NUL,
  // so a NUL-terminated text is never read past its terminator.
  while (at < limit && !EndsLine(text[at])) at += CharLength(limit - at, text + at);
  return at;
}

size_t LineLengthWithBreak(size_t limit, const char* text) {
  if (text == nullptr) return 0;
  const size_t length = LineLength(limit, text);
  if (length >= limit || text[length] == '\0') return length;
  return length + CharLength(limit - length, text + length);
}

size_t LineCount(size_t limit, const char* text) {
  if (text == nullptr) return 0;
  size_t count = 0;
  // Each step is at least one byte: a line that is not empty has a character,
  // an empty one has its break.
  for (size_t at = 0; at < limit && text[at] != '\0'; ++count) {
    at += LineLengthWithBreak(limit - at, text + at);
  }
  return count;
}
