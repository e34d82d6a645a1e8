#pragma once
// Byte counts of text lines within a limit, for laying out multi-line texts.
// Lines are walked by characters, so a double-byte character is never split,
// and a CR LF or LF CR pair is one break. `text` must be NUL-terminated or
// hold at least `limit` bytes; a null text has no lines.
#include <cstddef>

// Bytes up to, not including, the first CR, LF or NUL; at most `limit`.
size_t LineLength(size_t limit, const char* text);
// LineLength plus the break that follows it within `limit` (2 for a pair).
size_t LineLengthWithBreak(size_t limit, const char* text);
// Lines that start within the first `limit` bytes, each with its break.
size_t LineCount(size_t limit, const char* text);
