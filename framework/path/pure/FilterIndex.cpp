#include "framework/path/pure/FilterIndex.h"

#include <cstddef>

#include "framework/text/ShiftJis.h"

namespace {

// The general entry's mark, kept as bytes so that the text needs no charset.
constexpr std::string_view kGeneralMark = "\x8a\x65\x8e\xed";
constexpr std::string_view kAllFiles = "*.*";

// `text` occurs in `pattern` where a mask ends: at the pattern's end or
// before a ';'. Searched by bytes, as the masks are; ';' lies below the
// trail-byte range, so a found end is a real one.
bool EndsAMask(std::string_view pattern, std::string_view text) {
  if (text.empty()) return false;
  for (size_t at = pattern.find(text); at != std::string_view::npos; at = pattern.find(text, at + 1)) {
    const size_t end = at + text.size();
    if (end == pattern.size() || pattern[end] == ';') return true;
  }
  return false;
}

// The description holds the mark at a character boundary, so that a trail
// byte followed by the mark's bytes is not taken for it.
bool MarksGeneralEntry(std::string_view description) {
  size_t at = 0;
  while (at < description.size()) {
    if (description.substr(at, kGeneralMark.size()) == kGeneralMark) return true;
    at += CharLength(description.size() - at, description.data() + at);
  }
  return false;
}

// The next NUL-terminated text of the block, or the rest when it lacks its
// terminator; `filter` moves past it.
std::string_view NextText(std::string_view& filter) {
  const size_t end = filter.find('\0');
  const std::string_view text = filter.substr(0, end);
  filter.remove_prefix(end == std::string_view::npos ? filter.size() : end + 1);
  return text;
}

}  // namespace

int FilterIndex(std::string_view filter, std::string_view extension) {
  int general = 0;
  int allFiles = 0;
  int pairs = 0;
  bool orphanDescription = false;
  while (!filter.empty()) {
    const std::string_view description = NextText(filter);
    if (description.empty()) break;
    const std::string_view pattern = NextText(filter);
    if (pattern.empty()) {
      orphanDescription = true;
      break;
    }
    const int index = ++pairs;
    if (general == 0 && MarksGeneralEntry(description)) general = index;
    if (EndsAMask(pattern, extension)) return index;
    if (allFiles == 0 && EndsAMask(pattern, kAllFiles)) allFiles = index;
  }
  if (extension.empty() && general != 0) return general;
  if (allFiles != 0) return allFiles;
  if (orphanDescription) return 1;
  return pairs;
}
