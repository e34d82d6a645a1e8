// MatchText and FindBytes over arbitrary texts, patterns and flag words: no
// crash or over-read, positions that point at the pattern, and folding that
// agrees with the string conversions it stands for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/text/LetterCase.h"
#include "framework/text/MatchFolding.h"
#include "framework/text/MatchText.h"
#include "framework/text/WidthConversion.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  const unsigned flags = data[0] | ((data[1] & 0x03) << 8);
  const char* rest = reinterpret_cast<const char*>(data) + 3;
  const size_t restSize = size - 3;
  const size_t patternSize = restSize == 0 ? 0 : data[2] % (restSize + 1);
  const TString pattern(rest, patternSize);
  const TString text(rest + patternSize, restSize - patternSize);

  size_t found = 0;
  const bool inText = FindBytes(text, pattern, &found);
  const size_t expected = text.Bytes().find(pattern.Bytes());
  if (inText != (expected != std::string::npos)) std::abort();
  if (inText && found != expected) std::abort();

  size_t position = 0;
  const bool matched = MatchText(text, pattern, flags, &position);
  const bool folded = (flags & (kMatchFoldCase | kMatchFoldWidth)) != 0;
  if (matched && !folded) {
    if (position > text.Length() || text.Length() - position < pattern.Length()) std::abort();
    if (std::memcmp(text.c_str() + position, pattern.c_str(), pattern.Length()) != 0) std::abort();
  } else if (position != kNoPosition) {
    std::abort();
  }

  if (folded) {
    TString foldedText = text;
    TString foldedPattern = pattern;
    if ((flags & kMatchFoldCase) != 0) {
      foldedText = ToUpperLetters(foldedText);
      foldedPattern = ToUpperLetters(foldedPattern);
    }
    if ((flags & kMatchFoldWidth) != 0) {
      foldedText = ToHalfWidth(foldedText, kWidthAll);
      foldedPattern = ToHalfWidth(foldedPattern, kWidthAll);
    }
    std::string fold(text.Length(), '\0');
    fold.resize(FoldForMatch(text.c_str(), text.Length(), (flags & kMatchFoldCase) != 0,
                             (flags & kMatchFoldWidth) != 0, &fold[0]));
    if (fold != foldedText.Bytes()) std::abort();
    const unsigned plain = flags & ~(kMatchFoldCase | kMatchFoldWidth);
    if (MatchText(foldedText, foldedPattern, plain) != matched) std::abort();
  }
  return 0;
}
