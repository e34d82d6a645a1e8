// AssignAccelerators and MeasureCaption over captions of any bytes: no crash,
// no half characters made from whole ones, distinct letters that no fixed
// accelerator holds, a keyword removed only when every letter is gone, and a
// measured form that differs from the result only by the letter.
//
// Input: byte 0 separates the captions, byte 1 holds flags (bit 0: empty
// captions are passed as null, bit 1: the first caption is listed twice), the
// rest is split into at most kMaxCaptions captions.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "framework/text/ShiftJis.h"
#include "framework/window/shapes/pure/Captions.h"

namespace {

constexpr size_t kMaxCaptions = 32;

bool IsWhole(const std::string& text) {
  for (size_t at = 0; at < text.size();) {
    const size_t step = CharLength(text.size() - at, text.data() + at);
    if (step == 1 && IsLeadByte(static_cast<unsigned char>(text[at]))) return false;
    at += step;
  }
  return true;
}

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The caption's first two ampersands ('&' is never a trail byte, so a byte
// search finds the same ones as a walk by characters).
struct TAmpersands {
  size_t open;
  size_t close;
};

TAmpersands FindAmpersands(const std::string& text) {
  const size_t open = text.find('&');
  const size_t close = open == std::string::npos ? std::string::npos : text.find('&', open + 1);
  return {open, close};
}

// The keyword's single-byte letters, upper case.
std::string KeywordLetters(const std::string& text, TAmpersands amps) {
  std::string letters;
  for (size_t at = amps.open + 1; at < amps.close;) {
    const size_t step = CharLength(amps.close - at, text.data() + at);
    if (step == 1 && IsLetter(text[at])) letters += Upper(text[at]);
    at += step;
  }
  return letters;
}

std::string WithoutKeyword(const std::string& text, TAmpersands amps) {
  size_t start = amps.open;
  size_t end = amps.close + 1;
  if (start > 0 && text[start - 1] == '(' && end < text.size() && text[end] == ')') {
    --start;
    ++end;
  }
  return text.substr(0, WholeCharacterLength(text.data(), start)) + text.substr(end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const char separator = static_cast<char>(data[0]);
  const bool nullForEmpty = (data[1] & 1) != 0;
  const bool repeatFirst = (data[1] & 2) != 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 2, size - 2);

  std::vector<std::string> originals;
  size_t at = 0;
  while (originals.size() + 1 < kMaxCaptions) {
    const size_t end = rest.find(separator, at);
    if (end == std::string::npos) break;
    originals.push_back(rest.substr(at, end - at));
    at = end + 1;
  }
  originals.push_back(rest.substr(at));

  std::vector<TString> captions;
  for (const std::string& original : originals) captions.emplace_back(original);
  std::vector<TString*> list;
  for (TString& caption : captions) list.push_back(nullForEmpty && caption.IsEmpty() ? nullptr : &caption);
  if (repeatFirst) list.push_back(list[0]);

  std::vector<std::string> measured;
  for (const std::string& original : originals) {
    measured.push_back(MeasureCaption(TString(original)).Bytes());
    if (IsWhole(original) && !IsWhole(measured.back())) std::abort();
  }
  AssignAccelerators(list);

  bool reserved[26] = {};
  for (const std::string& original : originals) {
    const TAmpersands amps = FindAmpersands(original);
    const bool fixed = amps.open != std::string::npos && amps.close == std::string::npos;
    if (fixed && IsLetter(original.c_str()[amps.open + 1])) {
      reserved[Upper(original[amps.open + 1]) - 'A'] = true;
    }
  }

  bool assigned[26] = {};
  bool anyRemoved = false;
  std::vector<std::string> fallbackKeywords;  // keywords whose caption took a letter not in them
  for (size_t i = 0; i < originals.size(); ++i) {
    const std::string& original = originals[i];
    const std::string& result = captions[i].Bytes();
    if (IsWhole(original) && !IsWhole(result)) std::abort();
    const TAmpersands amps = FindAmpersands(original);
    if (list[i] == nullptr || amps.close == std::string::npos) {
      if (result != original) std::abort();
      if (list[i] != nullptr && measured[i] != original) std::abort();
      continue;
    }
    if (amps.close == amps.open + 1) {
      if (result != WithoutKeyword(original, amps) || measured[i] != result) std::abort();
      continue;
    }
    const std::string letters = KeywordLetters(original, amps);
    const size_t mark = result.find('&');
    const bool hasLetter = mark != std::string::npos && mark + 1 < result.size() && result[mark + 1] >= 'A' &&
                           result[mark + 1] <= 'Z';
    if (hasLetter &&
        measured[i] == result.substr(0, mark) + "W" + result.substr(mark + 2)) {
      const char letter = result[mark + 1];
      if (assigned[letter - 'A'] || reserved[letter - 'A']) std::abort();
      assigned[letter - 'A'] = true;
      if (letters.find(letter) == std::string::npos) fallbackKeywords.push_back(letters);
    } else {
      if (result != WithoutKeyword(original, amps)) std::abort();
      anyRemoved = true;
    }
  }

  // A caption goes without a letter only when all 26 are taken, and takes one
  // from the alphabet only when every letter of its keyword is taken.
  for (int letter = 0; letter < 26; ++letter) {
    if (anyRemoved && !assigned[letter] && !reserved[letter]) std::abort();
  }
  for (const std::string& letters : fallbackKeywords) {
    for (char letter : letters) {
      if (!assigned[letter - 'A'] && !reserved[letter - 'A']) std::abort();
    }
  }
  return 0;
}
