#include "framework/text/MatchText.h"

#include <cstring>
#include <memory>

#include "framework/text/MatchFolding.h"
#include "framework/text/ShiftJis.h"

namespace {

struct Bytes {
  const char* data;
  size_t size;
};

bool FindIn(Bytes text, Bytes pattern, size_t* position) {
  if (pattern.size == 0) {
    *position = 0;
    return true;
  }
  if (text.size < pattern.size) return false;
  const char first = pattern.data[0];
  const char* const last = text.data + (text.size - pattern.size);
  for (const char* at = text.data; at <= last;) {
    const void* hit = std::memchr(at, first, static_cast<size_t>(last - at) + 1);
    if (hit == nullptr) return false;
    at = static_cast<const char*>(hit);
    if (std::memcmp(at + 1, pattern.data + 1, pattern.size - 1) == 0) {
      *position = static_cast<size_t>(at - text.data);
      return true;
    }
    ++at;
  }
  return false;
}

bool FindAlignedIn(Bytes text, Bytes pattern, size_t* position) {
  for (size_t at = 0; text.size - at >= pattern.size;) {
    if (std::memcmp(text.data + at, pattern.data, pattern.size) == 0) {
      *position = at;
      return true;
    }
    const size_t step = CharLength(text.size - at, text.data + at);
    if (step == 0) break;
    at += step;
  }
  return false;
}

bool StartsCharacter(Bytes text, size_t offset) {
  size_t at = 0;
  while (at < offset) at += CharLength(text.size - at, text.data + at);
  return at == offset;
}

// A text as compared: the original bytes when nothing is folded, else its
// folded form, kept on the stack for the usual short titles. Neither folding
// lengthens a text, so the input's length bounds the buffer.
class ComparedText {
 public:
  ComparedText(const TString& text, bool foldCase, bool foldWidth) {
    const char* in = text.c_str();
    const size_t length = text.Length();
    if (!foldCase && !foldWidth) {
      bytes_ = {in, length};
      return;
    }
    char* out = local_;
    if (length > sizeof local_) {
      heap_.reset(new char[length]);
      out = heap_.get();
    }
    bytes_ = {out, FoldForMatch(in, length, foldCase, foldWidth, out)};
  }
  ComparedText(const ComparedText&) = delete;
  ComparedText& operator=(const ComparedText&) = delete;

  Bytes bytes() const { return bytes_; }

 private:
  char local_[256];
  std::unique_ptr<char[]> heap_;
  Bytes bytes_{nullptr, 0};
};

bool Compare(Bytes text, Bytes pattern, unsigned flags, size_t* position) {
  if ((flags & kMatchExact) != 0) {
    *position = 0;
    return text.size == pattern.size && std::memcmp(text.data, pattern.data, text.size) == 0;
  }
  if ((flags & kMatchContains) != 0) {
    if ((flags & kMatchByteWise) != 0) return FindIn(text, pattern, position);
    if ((flags & kMatchCharAligned) != 0) return FindAlignedIn(text, pattern, position);
    return false;
  }
  if ((flags & kMatchPrefix) != 0) {
    *position = 0;
    return text.size >= pattern.size && std::memcmp(text.data, pattern.data, pattern.size) == 0;
  }
  if ((flags & kMatchSuffix) != 0) {
    if (text.size < pattern.size) return false;
    const size_t start = text.size - pattern.size;
    // Ending in the trail byte of a character is no suffix of the characters.
    *position = start;
    return std::memcmp(text.data + start, pattern.data, pattern.size) == 0 && StartsCharacter(text, start);
  }
  return false;
}

}  // namespace

bool FindBytes(const TString& text, const TString& pattern, size_t* position) {
  size_t found = kNoPosition;
  const bool matched = FindIn({text.c_str(), text.Length()}, {pattern.c_str(), pattern.Length()}, &found);
  if (position != nullptr) *position = matched ? found : kNoPosition;
  return matched;
}

bool MatchText(const TString& text, const TString& pattern, unsigned flags, size_t* position) {
  if (position != nullptr) *position = kNoPosition;
  if ((flags & kMatchEnabled) == 0) return false;
  if ((flags & (kMatchExact | kMatchContains | kMatchPrefix | kMatchSuffix)) == 0) return false;
  const bool foldCase = (flags & kMatchFoldCase) != 0;
  const bool foldWidth = (flags & kMatchFoldWidth) != 0;
  const ComparedText comparedText(text, foldCase, foldWidth);
  const ComparedText comparedPattern(pattern, foldCase, foldWidth);
  size_t found = kNoPosition;
  const bool matched = Compare(comparedText.bytes(), comparedPattern.bytes(), flags, &found);
  if (position != nullptr && matched && !foldCase && !foldWidth) *position = found;
  return matched;
}
