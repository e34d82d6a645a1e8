#pragma once
// Text operations that build new strings (concatenation is operator+).
#include <cstdarg>
#include <cstddef>

#include "framework/text/TString.h"

#if defined(__GNUC__)
#  define STOWPANE_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#  define STOWPANE_PRINTF(fmt, args)
#endif

// printf into a buffer of 4 x the format's length + 64 bytes. `format` must be
// a literal of ours: a title or registry text is passed as an argument ("%s").
TString Format(const char* format, ...) STOWPANE_PRINTF(1, 2);
// The same into a buffer of `size` bytes (terminator included).
TString FormatSized(size_t size, const char* format, ...) STOWPANE_PRINTF(2, 3);
TString FormatSizedV(size_t size, const char* format, va_list args);

TString Left(const TString& text, size_t n);
TString Right(const TString& text, size_t n);
TString Repeat(const TString& text, int count);
// Removes every occurrence, including those that the removal itself joins up.
TString RemoveAll(const TString& text, const TString& pattern);
// Without leading and trailing TAB, LF, CR and space, walked by characters.
TString Trim(const TString& text);
// The last character by the stepping rule (1 or 2 bytes), empty for "".
TString LastChar(const TString& text);
