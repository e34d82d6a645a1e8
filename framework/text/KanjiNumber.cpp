#include "framework/text/KanjiNumber.h"

#include <string>

namespace {

// Shift-JIS codes of the numerals zero to nine.
constexpr uint16_t kDigits[10] = {0x97EB, 0x88EA, 0x93F1, 0x8E4F, 0x8E6C,
                                  0x8CDC, 0x985A, 0x8EB5, 0x94AA, 0x8BE3};
// Ten, hundred, thousand: the units within a group of four digits.
constexpr uint16_t kUnits[4] = {0, 0x8F5C, 0x9553, 0x90E7};
// Ten-thousand, hundred-million, trillion, ten-quadrillion: one per group.
constexpr uint16_t kGroupMarkers[5] = {0, 0x969C, 0x89AD, 0x929B, 0x8B9E};

// A 64-bit value has at most 20 decimal digits, five groups of four.
constexpr int kMaxDigits = 20;

void AppendCode(std::string& out, uint16_t code) {
  out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

}  // namespace

TString ToKanjiNumber(uint64_t number) {
  std::string out;
  if (number == 0) {
    AppendCode(out, kDigits[0]);
    return TString(std::move(out));
  }
  int digits[kMaxDigits] = {};
  int count = 0;
  for (uint64_t rest = number; rest != 0; rest /= 10) digits[count++] = static_cast<int>(rest % 10);

  bool groupHasDigit = false;
  for (int position = count - 1; position >= 0; --position) {
    const int digit = digits[position];
    const int inGroup = position % 4;
    if (digit != 0) {
      groupHasDigit = true;
      // A one is written only as the units digit of a group, and not even
      // there when it leads the number before a group marker: 10000 is
      // written with the marker alone.
      const bool leadsBeforeMarker = position == count - 1 && position >= 4;
      if (digit != 1 || (inGroup == 0 && !leadsBeforeMarker)) AppendCode(out, kDigits[digit]);
      if (inGroup != 0) AppendCode(out, kUnits[inGroup]);
    }
    if (inGroup == 0) {
      if (groupHasDigit && position > 0) AppendCode(out, kGroupMarkers[position / 4]);
      groupHasDigit = false;
    }
  }
  return TString(std::move(out));
}
