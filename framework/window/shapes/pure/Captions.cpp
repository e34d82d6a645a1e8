#include "framework/window/shapes/pure/Captions.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>

#include "framework/text/ShiftJis.h"

namespace {

constexpr size_t kNoPosition = static_cast<size_t>(-1);
constexpr int kLetterCount = 26;

// What a caption holds between (and around) its first two ampersands.
struct TKeyword {
  size_t open = kNoPosition;   // the first ampersand
  size_t close = kNoPosition;  // the second ampersand; kNoPosition when there is none
  std::string letters;         // candidate letters, upper case, in keyword order
};

bool HasKeyword(const TKeyword& keyword) { return keyword.close != kNoPosition; }
bool IsEmptyKeyword(const TKeyword& keyword) { return keyword.close == keyword.open + 1; }

// An upper-case letter for a single-byte ASCII letter, else NUL.
char UpperLetter(unsigned char byte) {
  if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte);
  if (byte >= 'a' && byte <= 'z') return static_cast<char>(byte - 'a' + 'A');
  return '\0';
}

// Walks by characters so that the trail byte of a double-byte character is
// never read as an ampersand or a letter of the keyword.
TKeyword FindKeyword(const std::string& text) {
  TKeyword keyword;
  size_t at = 0;
  while (at < text.size()) {
    const size_t step = CharLength(text.size() - at, text.data() + at);
    if (step == 1 && text[at] == '&') {
      if (keyword.open == kNoPosition) {
        keyword.open = at;
      } else {
        keyword.close = at;
        break;
      }
    }
    at += step;
  }
  if (!HasKeyword(keyword)) return keyword;
  for (at = keyword.open + 1; at < keyword.close;) {
    const size_t step = CharLength(keyword.close - at, text.data() + at);
    if (step == 1) {
      const char letter = UpperLetter(static_cast<unsigned char>(text[at]));
      if (letter != '\0') keyword.letters += letter;
    }
    at += step;
  }
  return keyword;
}

// The letter of a fixed accelerator ("&X" with no second ampersand), or NUL.
char FixedLetter(const std::string& text, const TKeyword& keyword) {
  if (keyword.open == kNoPosition || HasKeyword(keyword)) return '\0';
  // The ampersand is a character of its own, so the byte after it starts one;
  // an ASCII letter there is a whole character.
  return UpperLetter(static_cast<unsigned char>(text.c_str()[keyword.open + 1]));
}

// The text before `end` less a final lead byte, so that whatever is put after
// it cannot become that lead byte's trail.
std::string WholePrefix(const std::string& text, size_t end) {
  return text.substr(0, WholeCharacterLength(text.data(), end));
}

// The caption with `replacement` in place of the keyword and its ampersands.
std::string ReplaceKeyword(const std::string& text, const TKeyword& keyword, const std::string& replacement) {
  return WholePrefix(text, keyword.open) + replacement + text.substr(keyword.close + 1);
}

// The caption without its keyword, its ampersands and the parentheses that
// enclose them directly. '(' and ')' are below every trail byte, so the bytes
// next to the ampersands are whole characters.
std::string RemoveKeyword(const std::string& text, const TKeyword& keyword) {
  size_t start = keyword.open;
  size_t end = keyword.close + 1;
  if (start > 0 && text[start - 1] == '(' && end < text.size() && text[end] == ')') {
    --start;
    ++end;
  }
  return WholePrefix(text, start) + text.substr(end);
}

// A caption that waits for its letter.
struct TWaiting {
  TString* caption;
  TKeyword keyword;
  bool assigned = false;
};

void GiveLetter(TWaiting& waiting, char letter, bool* used) {
  used[letter - 'A'] = true;
  waiting.assigned = true;
  const std::string accelerator = std::string("&") + letter;
  *waiting.caption = TString(ReplaceKeyword(waiting.caption->Bytes(), waiting.keyword, accelerator));
}

}  // namespace

TString MeasureCaption(const TString& caption) {
  const std::string& text = caption.Bytes();
  const TKeyword keyword = FindKeyword(text);
  if (!HasKeyword(keyword)) return caption;
  if (IsEmptyKeyword(keyword)) return TString(RemoveKeyword(text, keyword));
  return TString(ReplaceKeyword(text, keyword, "W"));
}

void AssignAccelerators(const std::vector<TString*>& captions) {
  bool used[kLetterCount] = {};
  std::vector<TWaiting> waiting;
  std::set<const TString*> seen;
  // Fixed accelerators are reserved first, wherever they stand in the list, so
  // that no keyword takes a letter a caption already shows.
  for (TString* caption : captions) {
    if (caption == nullptr || !seen.insert(caption).second) continue;
    const std::string& text = caption->Bytes();
    TKeyword keyword = FindKeyword(text);
    if (!HasKeyword(keyword)) {
      const char fixed = FixedLetter(text, keyword);
      if (fixed != '\0') used[fixed - 'A'] = true;
    } else if (IsEmptyKeyword(keyword)) {
      *caption = TString(RemoveKeyword(text, keyword));
    } else {
      waiting.push_back(TWaiting{caption, std::move(keyword)});
    }
  }

  size_t longest = 0;
  for (const TWaiting& w : waiting) longest = std::max(longest, w.keyword.letters.size());
  size_t left = waiting.size();
  for (size_t round = 0; round < longest && left > 0; ++round) {
    for (TWaiting& w : waiting) {
      if (w.assigned || round >= w.keyword.letters.size()) continue;
      const char letter = w.keyword.letters[round];
      if (used[letter - 'A']) continue;
      GiveLetter(w, letter, used);
      --left;
    }
  }

  for (TWaiting& w : waiting) {
    if (w.assigned) continue;
    const bool* unused = std::find(used, used + kLetterCount, false);
    if (unused != used + kLetterCount) {
      GiveLetter(w, static_cast<char>('A' + (unused - used)), used);
    } else {
      *w.caption = TString(RemoveKeyword(w.caption->Bytes(), w.keyword));
    }
  }
}
