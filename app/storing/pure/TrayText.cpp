#include "app/storing/pure/TrayText.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "framework/text/ShiftJis.h"

TString MakeMenuText(const TString& text) {
  const char* p = text.c_str();
  const size_t length = text.Length();
  std::string result;
  result.reserve(length + 8);
  size_t at = 0;
  while (at < length) {
    const size_t step = CharLength(length - at, p + at);
    result.append(p + at, step);
    if (step == 1 && p[at] == '&') result += '&';
    at += step;
  }
  return TString(std::move(result));
}

TString MakeSingleLineText(const TString& text) {
  const char* p = text.c_str();
  const size_t length = text.Length();
  std::string result;
  result.reserve(length);
  size_t at = 0;
  while (at < length) {
    // Stepping by characters keeps double-byte characters whole; a CR LF
    // pair is one character but two breaks, so each of its bytes is replaced.
    const size_t step = CharLength(length - at, p + at);
    for (size_t i = 0; i < step; ++i) {
      const char c = p[at + i];
      result += (c == '\t' || c == '\r' || c == '\n') ? '\xA5' : c;
    }
    at += step;
  }
  return TString(std::move(result));
}

TString CutAtCharacter(const TString& text, size_t limit) {
  const char* p = text.c_str();
  const size_t length = text.Length();
  if (length <= limit) return text;
  size_t at = 0;
  while (at < limit) {
    const size_t step = CharLength(length - at, p + at);
    if (at + step > limit) break;
    at += step;
  }
  return TString(p, at);
}

std::u16string MakeMenuText(const std::u16string& text) {
  std::u16string result;
  result.reserve(text.size() + 8);
  for (char16_t c : text) {
    result += c;
    if (c == u'&') result += u'&';
  }
  return result;
}

std::u16string MakeSingleLineText(const std::u16string& text) {
  std::u16string result = text;
  for (char16_t& c : result) {
    if (c == u'\t' || c == u'\r' || c == u'\n') c = u'\uFF65';
  }
  return result;
}

std::u16string CutAtCharacter(const std::u16string& text, size_t limit) {
  if (text.size() <= limit) return text;
  size_t end = limit;
  // A high surrogate at the end would be half a character.
  if (end > 0 && text[end - 1] >= 0xD800 && text[end - 1] <= 0xDBFF) --end;
  return text.substr(0, end);
}

int SmallestFreeId(const std::vector<int>& used, int first) {
  int id = first;
  while (std::find(used.begin(), used.end(), id) != used.end()) ++id;
  return id;
}

TString TrayIconValueName(int iconId) {
  char name[16];
  // Six digits at least, with leading zeros ("%.6d" is "%06.6d" without the
  // zero flag that the precision overrides).
  std::snprintf(name, sizeof name, "%.6d", iconId);
  return TString(name);
}
