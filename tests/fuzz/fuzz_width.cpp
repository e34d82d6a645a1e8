// Width conversions over arbitrary bytes and flag words: never a crash or an
// over-read, and half-width text comes back from a trip through full width.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/text/ShiftJis.h"
#include "framework/text/WidthConversion.h"

namespace {

// Text without lead bytes is all half-width; the back-quote and, without the
// kana class, u with the voiced mark widen one way only.
bool RoundTrips(const TString& text, unsigned flags) {
  const size_t length = text.Length();
  for (size_t i = 0; i < length; ++i) {
    const auto byte = static_cast<unsigned char>(text.At(i));
    if (IsLeadByte(byte)) return false;
    if (byte == '`' && (flags & kWidthSymbols) != 0) return false;
    if (byte == 0xB3 && i + 1 < length && static_cast<unsigned char>(text.At(i + 1)) == 0xDE &&
        (flags & kWidthKana) == 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const unsigned flags = data[0] | (data[1] << 8);
  const TString text(reinterpret_cast<const char*>(data) + 2, size - 2);

  const TString full = ToFullWidth(text, flags);
  const TString half = ToHalfWidth(text, flags);
  if (full.Length() > 2 * text.Length() || half.Length() > text.Length()) std::abort();
  if (ToHalfWidth(text, 0) != text) std::abort();
  if (RoundTrips(text, flags) && ToHalfWidth(full, flags) != text) std::abort();

  for (size_t i = 0; i < text.Length(); ++i) CharToFullWidth(static_cast<unsigned char>(text.At(i)), flags);
  for (size_t i = 0; i + 1 < text.Length(); i += 2) {
    CharToHalfWidth(static_cast<uint16_t>((static_cast<unsigned char>(text.At(i)) << 8) |
                                          static_cast<unsigned char>(text.At(i + 1))),
                    flags);
  }
  return 0;
}
