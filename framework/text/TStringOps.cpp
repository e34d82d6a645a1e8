#include "framework/text/TStringOps.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "framework/text/ShiftJis.h"

TString FormatSizedV(size_t size, const char* format, va_list args) {
  if (size == 0 || format == nullptr) return TString();
  std::vector<char> buffer(size, '\0');
  const int written = std::vsnprintf(buffer.data(), size, format, args);
  if (written < 0) return TString();
  size_t length = static_cast<size_t>(written);
  if (length >= size) {
    // Too long for the buffer: keep what fits, but never end in a lead byte
    // whose trail byte was cut off.
    length = size - 1;
    size_t whole = 0;
    while (whole < length) {
      if (whole + 1 == length && IsLeadByte(static_cast<unsigned char>(buffer[whole]))) break;
      whole += CharLength(length - whole, buffer.data() + whole);
    }
    length = whole;
  }
  return TString(buffer.data(), length);
}

TString FormatSized(size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  TString result = FormatSizedV(size, format, args);
  va_end(args);
  return result;
}

TString Format(const char* format, ...) {
  if (format == nullptr) return TString();
  va_list args;
  va_start(args, format);
  TString result = FormatSizedV(4 * std::strlen(format) + 64, format, args);
  va_end(args);
  return result;
}

TString Left(const TString& text, size_t n) {
  if (n >= text.Length()) return text;
  return TString(text.c_str(), n);
}

TString Right(const TString& text, size_t n) {
  if (n >= text.Length()) return text;
  return TString(text.c_str() + text.Length() - n, n);
}

TString Repeat(const TString& text, int count) {
  std::string result;
  for (int i = 0; i < count; ++i) result += text.Bytes();
  return TString(std::move(result));
}

TString RemoveAll(const TString& text, const TString& pattern) {
  if (pattern.IsEmpty()) return text;
  // Removing the first occurrence and searching again from the start is the
  // same as keeping the text written so far free of the pattern: every
  // occurrence has the pattern's length, so the first one to start is also
  // the first one to end. Checking only the written tail after each byte
  // keeps long texts linear in their length instead of quadratic, and still
  // removes the occurrences a removal joins up ("aabb" without "ab" is "").
  const std::string& bytes = text.Bytes();
  const std::string& cut = pattern.Bytes();
  std::string kept;
  kept.reserve(bytes.size());
  for (char c : bytes) {
    kept += c;
    if (kept.size() >= cut.size() &&
        kept.compare(kept.size() - cut.size(), cut.size(), cut) == 0) {
      kept.resize(kept.size() - cut.size());
    }
  }
  return TString(std::move(kept));
}

namespace {
bool IsBlank(char c) { return c == '\t' || c == '\n' || c == '\r' || c == ' '; }
}  // namespace

TString Trim(const TString& text) {
  const char* p = text.c_str();
  const size_t length = text.Length();
  size_t start = 0;
  while (start < length && IsBlank(p[start])) ++start;
  // The end is found by walking characters forward, so a trail byte that
  // happens to equal a blank byte value is never cut.
  size_t end = start;
  size_t at = start;
  while (at < length) {
    const size_t step = CharLength(length - at, p + at);
    bool blank = true;
    for (size_t i = 0; i < step; ++i) blank = blank && IsBlank(p[at + i]);
    at += step;
    if (!blank) end = at;
  }
  return TString(p + start, end - start);
}

TString LastChar(const TString& text) {
  const char* p = text.c_str();
  const size_t length = text.Length();
  size_t at = 0;
  size_t last = 0;
  while (at < length) {
    last = at;
    at += CharLength(length - at, p + at);
  }
  return TString(p + last, length - last);
}
