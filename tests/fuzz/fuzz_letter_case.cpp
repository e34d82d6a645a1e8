// Letter case over arbitrary bytes: lengths and character structure stay, the
// two directions agree, and only letters change.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/text/LetterCase.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TString text(reinterpret_cast<const char*>(data), size);
  const TString upper = ToUpperLetters(text);
  const TString lower = ToLowerLetters(text);
  if (upper.Length() != size || lower.Length() != size) std::abort();
  if (ToUpperLetters(lower) != upper || ToLowerLetters(upper) != lower) std::abort();
  if (ToUpperLetters(upper) != upper || ToLowerLetters(lower) != lower) std::abort();
  for (size_t i = 0; i < size; ++i) {
    const auto before = static_cast<unsigned char>(text.At(i));
    const auto after = static_cast<unsigned char>(upper.At(i));
    // A changed byte is an ASCII lower-case letter or the trail of a
    // full-width one (0x81-0x9A after lead 0x82).
    if (before != after && !(before >= 'a' && before <= 'z') && !(before >= 0x81 && before <= 0x9A)) {
      std::abort();
    }
  }
  return 0;
}
