#include "framework/text/WidthConversion.h"

#include <string>

#include "framework/text/ShiftJis.h"
#include "framework/text/WidthTables.h"

namespace {

constexpr unsigned char kHalfWidthU = 0xB3;

void AppendCode(std::string& out, uint16_t code) {
  if (code > 0xFF) out += static_cast<char>(code >> 8);
  out += static_cast<char>(code & 0xFF);
}

// The half-width form of one character of `length` bytes (1 or 2, as
// CharLength steps) into `out`: 1 or 2 bytes, never more than `length`.
size_t HalfWidthOfChar(const char* character, size_t length, unsigned flags, char* out) {
  if (length < 2) {
    out[0] = character[0];
    return 1;
  }
  const uint16_t code = static_cast<uint16_t>((static_cast<unsigned char>(character[0]) << 8) |
                                              static_cast<unsigned char>(character[1]));
  const width_tables::VoicedPair pair = width_tables::VoicedHalfForm(code);
  if (pair.base != 0 && (flags & kWidthKana) != 0) {
    out[0] = static_cast<char>(pair.base);
    out[1] = static_cast<char>(pair.mark);
    return 2;
  }
  const uint16_t half = CharToHalfWidth(code, flags);
  if (half <= 0xFF) {
    out[0] = static_cast<char>(half);
    return 1;
  }
  out[0] = character[0];
  out[1] = character[1];
  return 2;
}

}  // namespace

uint16_t CharToFullWidth(unsigned char byte, unsigned flags) {
  const width_tables::FullForm form = width_tables::FullFormOf(byte);
  if (form.code != 0 && (form.widthClass & flags) != 0) return form.code;
  return byte;
}

uint16_t CharToHalfWidth(uint16_t code, unsigned flags) {
  if (code <= 0xFF) return code;
  const width_tables::HalfForm form = width_tables::HalfFormOf(code);
  if (form.byte != 0 && (form.widthClass & flags) != 0) return form.byte;
  return code;
}

TString ToFullWidth(const TString& text, unsigned flags) {
  const char* bytes = text.c_str();
  const size_t length = text.Length();
  std::string out;
  out.reserve(2 * length);
  size_t i = 0;
  while (i < length) {
    const size_t remaining = length - i;
    // A lead/trail pair (or CR LF, LF CR) is never a half-width form.
    if (CharLength(remaining, bytes + i) == 2) {
      out.append(bytes + i, 2);
      i += 2;
      continue;
    }
    if (remaining >= 2) {
      const auto base = static_cast<unsigned char>(bytes[i]);
      const uint16_t voiced = width_tables::VoicedFullForm(base, static_cast<unsigned char>(bytes[i + 1]));
      if (voiced != 0) {
        if (base == kHalfWidthU || (flags & kWidthKana) != 0) {
          AppendCode(out, voiced);
        } else {
          out.append(bytes + i, 2);  // the base keeps its mark: neither is widened alone
        }
        i += 2;
        continue;
      }
    }
    AppendCode(out, CharToFullWidth(static_cast<unsigned char>(bytes[i]), flags));
    ++i;
  }
  return TString(std::move(out));
}

TString ToHalfWidth(const TString& text, unsigned flags) {
  const char* bytes = text.c_str();
  const size_t length = text.Length();
  std::string out;
  out.reserve(length);
  size_t i = 0;
  while (i < length) {
    const size_t step = CharLength(length - i, bytes + i);
    char converted[2];
    out.append(converted, HalfWidthOfChar(bytes + i, step, flags, converted));
    i += step;
  }
  return TString(std::move(out));
}
