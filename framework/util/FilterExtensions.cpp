#include "framework/util/FilterExtensions.h"

#include <cstddef>

#include "framework/util/ShiftJis.h"

namespace {

constexpr char kAnyExtension[] = "*";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Character by character: only single-byte letters fold, so two double-byte
// characters whose trail bytes differ only as 'A'/'a' stay different.
bool EqualsIgnoringCase(const TString& a, const TString& b) {
  if (a.Length() != b.Length()) return false;
  const char* p = a.c_str();
  const char* q = b.c_str();
  size_t at = 0;
  while (at < a.Length()) {
    const size_t step = CharLength(a.Length() - at, p + at);
    if (step != CharLength(b.Length() - at, q + at)) return false;
    if (step == 1) {
      if (AsciiLower(p[at]) != AsciiLower(q[at])) return false;
    } else if (p[at] != q[at] || p[at + 1] != q[at + 1]) {
      return false;
    }
    at += step;
  }
  return true;
}

bool ListHolds(const TTextList& list, const TString& text) {
  for (const TString& item : list) {
    if (EqualsIgnoringCase(item, text)) return true;
  }
  return false;
}

// The extension a single mask names (see the header), or false for an empty
// mask.
bool MaskExtension(std::string_view mask, TString& extension) {
  while (!mask.empty() && IsBlank(mask.front())) mask.remove_prefix(1);
  while (!mask.empty() && IsBlank(mask.back())) mask.remove_suffix(1);
  if (mask.empty()) return false;
  // '.' and ';' lie below the trail-byte range, so a byte search is safe here.
  const size_t dot = mask.rfind('.');
  if (dot == std::string_view::npos) {
    extension = TString(mask == kAnyExtension ? kAnyExtension : "");
  } else {
    extension = TString(mask.data() + dot + 1, mask.size() - dot - 1);
  }
  return true;
}

void AddPatternExtensions(std::string_view pattern, TTextList& extensions) {
  while (true) {
    const size_t end = pattern.find(';');
    TString extension;
    if (MaskExtension(pattern.substr(0, end), extension) && !ListHolds(extensions, extension)) {
      extensions.Append(extension);
    }
    if (end == std::string_view::npos) return;
    pattern.remove_prefix(end + 1);
  }
}

// Extension of the file-name part: the folder part ends at the last '\', '/'
// or ':' found by stepping characters, never at a trail byte 0x5C.
TString ExtensionOfPath(const TString& path) {
  const char* p = path.c_str();
  const size_t length = path.Length();
  size_t nameStart = 0;
  size_t dot = std::string_view::npos;
  size_t at = 0;
  while (at < length) {
    const size_t step = CharLength(length - at, p + at);
    if (step == 1) {
      if (p[at] == '\\' || p[at] == '/' || p[at] == ':') {
        nameStart = at + 1;
        dot = std::string_view::npos;
      } else if (p[at] == '.') {
        dot = at;
      }
    }
    at += step;
  }
  if (dot == std::string_view::npos || dot < nameStart) return TString();
  return TString(p + dot + 1, length - dot - 1);
}

}  // namespace

TTextList FilterExtensions(std::string_view filter) {
  TTextList extensions;
  bool isPattern = false;  // texts alternate: description, pattern, ...
  while (!filter.empty()) {
    const size_t end = filter.find('\0');
    const std::string_view text = filter.substr(0, end);
    if (text.empty()) break;  // the block's closing empty text
    if (isPattern) AddPatternExtensions(text, extensions);
    isPattern = !isPattern;
    if (end == std::string_view::npos) break;
    filter.remove_prefix(end + 1);
  }
  return extensions;
}

bool MatchesFilterExtensions(const TString& path, const TTextList& extensions) {
  const TString extension = ExtensionOfPath(path);
  for (const TString& item : extensions) {
    if (item == TString(kAnyExtension) || EqualsIgnoringCase(item, extension)) return true;
  }
  return false;
}
