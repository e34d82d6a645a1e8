#include "framework/text/LetterCase.h"

#include <string>

#include "framework/text/ShiftJis.h"

namespace {

template <typename MapCode>
TString MapLetters(const TString& text, MapCode map) {
  std::string out = text.Bytes();
  size_t i = 0;
  while (i < out.size()) {
    const size_t step = CharLength(out.size() - i, out.data() + i);
    if (step == 1) {
      out[i] = static_cast<char>(map(static_cast<unsigned char>(out[i])));
    } else {
      const uint16_t code = static_cast<uint16_t>((static_cast<unsigned char>(out[i]) << 8) |
                                                  static_cast<unsigned char>(out[i + 1]));
      // Letters of either width keep their length, so the text is mapped in place.
      out[i + 1] = static_cast<char>(map(code) & 0xFF);
    }
    i += step;
  }
  return TString(std::move(out));
}

}  // namespace

TString ToUpperLetters(const TString& text) { return MapLetters(text, UpperLetterCode); }

TString ToLowerLetters(const TString& text) { return MapLetters(text, LowerLetterCode); }
