#include "framework/path/pure/FilterExtensions.h"

#include <cstddef>

#include "framework/path/pure/PathText.h"
#include "framework/text/LetterCase.h"

namespace {

constexpr char kAnyExtension[] = "*";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Letter case as the system folds it in code page 932: ASCII and full-width
// Latin letters; trail bytes are never touched.
bool EqualsIgnoringCase(const TString& a, const TString& b) {
  return ToLowerLetters(a) == ToLowerLetters(b);
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
  const TString extension = ExtensionOf(path);
  for (const TString& item : extensions) {
    if (item == TString(kAnyExtension) || EqualsIgnoringCase(item, extension)) return true;
  }
  return false;
}
