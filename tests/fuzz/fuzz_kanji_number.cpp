// Kanji numerals of arbitrary 64-bit values: only numeral characters, and
// reading them back gives the value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/text/KanjiNumber.h"

namespace {

constexpr uint16_t kDigits[10] = {0x97EB, 0x88EA, 0x93F1, 0x8E4F, 0x8E6C,
                                  0x8CDC, 0x985A, 0x8EB5, 0x94AA, 0x8BE3};
constexpr uint16_t kUnits[3] = {0x8F5C, 0x9553, 0x90E7};           // 10, 100, 1000
constexpr uint16_t kMarkers[4] = {0x969C, 0x89AD, 0x929B, 0x8B9E};  // 10^4, 10^8, 10^12, 10^16

// Reads numerals the way people do: a unit without a digit before it counts
// once, a group marker closes the group before it, and a marker that leads
// the number stands for one of it.
uint64_t ReadKanjiNumber(const TString& text) {
  uint64_t total = 0;
  uint64_t group = 0;
  int pending = -1;
  for (size_t i = 0; i < text.Length(); i += 2) {
    const uint16_t code = static_cast<uint16_t>((static_cast<unsigned char>(text.At(i)) << 8) |
                                                static_cast<unsigned char>(text.At(i + 1)));
    bool known = false;
    for (int d = 0; d < 10; ++d) {
      if (code != kDigits[d]) continue;
      pending = d;
      known = true;
    }
    for (int u = 0; u < 3; ++u) {
      if (code != kUnits[u]) continue;
      static const uint64_t kUnitValue[3] = {10, 100, 1000};
      group += (pending < 0 ? 1 : static_cast<uint64_t>(pending)) * kUnitValue[u];
      pending = -1;
      known = true;
    }
    for (int m = 0; m < 4; ++m) {
      if (code != kMarkers[m]) continue;
      // A marker needs a digit before it, except the one that leads the
      // number: 10000 is written with the marker alone.
      if (pending < 0 && group == 0) {
        if (total != 0 || i != 0) std::abort();
        group = 1;
      }
      group += pending < 0 ? 0 : static_cast<uint64_t>(pending);
      uint64_t scale = 1;
      for (int k = 0; k <= m; ++k) scale *= 10000;
      total += group * scale;
      group = 0;
      pending = -1;
      known = true;
    }
    if (!known) std::abort();
  }
  return total + group + (pending < 0 ? 0 : static_cast<uint64_t>(pending));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  uint64_t number = 0;
  for (size_t i = 0; i < size && i < 8; ++i) number |= static_cast<uint64_t>(data[i]) << (8 * i);
  // Short inputs give small numbers too, where most of the rules live.
  if (size < 8) number %= 1000000;
  const TString text = ToKanjiNumber(number);
  if (text.Length() == 0 || text.Length() % 2 != 0) std::abort();
  if (ReadKanjiNumber(text) != number) std::abort();
  return 0;
}
