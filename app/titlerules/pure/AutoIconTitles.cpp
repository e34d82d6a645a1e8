#include "app/titlerules/pure/AutoIconTitles.h"

#include <algorithm>
#include <string>

#include "framework/path/pure/PathText.h"

TString FreeTitle(const TTextList& titles, const TString& text) {
  TString free = text;
  // Each round lengthens the number or the text, and the list is finite.
  while (titles.Find(free) >= 0) free = NextNumberedName(free);
  return free;
}

TTitleEdit JudgeTitleEdit(const TTextList& titles, const TString& working, const TString& typed) {
  // The edited entry itself holds `working`, so only a changed text can
  // collide with another entry.
  if (typed != working && titles.Find(typed) >= 0) return TTitleEdit::Duplicate;
  return typed.IsEmpty() ? TTitleEdit::Remove : TTitleEdit::Replace;
}

int SelectionAfterRemoval(int remaining, int removedAt) {
  if (remaining <= 0) return -1;
  return std::clamp(removedAt, 0, remaining - 1);
}

int ReadWatchTime(const TString& text, int lower, int upper, int current) {
  const std::string& bytes = text.Bytes();
  size_t at = 0;
  while (at < bytes.size() && bytes[at] == ' ') ++at;
  bool negative = false;
  if (at < bytes.size() && (bytes[at] == '-' || bytes[at] == '+')) negative = bytes[at++] == '-';
  const size_t digits = at;
  // Saturates far above any bound: a long run of digits is simply large.
  long long value = 0;
  while (at < bytes.size() && bytes[at] >= '0' && bytes[at] <= '9') {
    value = std::min(value * 10 + (bytes[at] - '0'), 1LL << 40);
    ++at;
  }
  if (at == digits) return current;
  while (at < bytes.size() && bytes[at] == ' ') ++at;
  if (at != bytes.size()) return current;
  if (negative) value = -value;
  return static_cast<int>(std::clamp<long long>(value, lower, upper));
}
