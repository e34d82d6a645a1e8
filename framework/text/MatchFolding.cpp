#include "framework/text/MatchFolding.h"

#include <array>
#include <cstdint>
#include <cstring>

#include "framework/text/LetterCase.h"
#include "framework/text/ShiftJis.h"
#include "framework/text/WidthTables.h"

namespace {

// Per byte: its folded form when it stands alone, with kLead added for a lead
// byte, so the loop does one lookup for the common single byte.
constexpr uint16_t kLead = 0x100;

template <bool kFoldCase>
constexpr std::array<uint16_t, 256> BuildSingleBytes() {
  std::array<uint16_t, 256> entries{};
  for (unsigned b = 0; b < 256; ++b) {
    const bool lower = b >= 'a' && b <= 'z';
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);  // as IsLeadByte
    entries[b] = static_cast<uint16_t>((kFoldCase && lower ? b - 0x20 : b) |
                                       (lead ? kLead : 0));
  }
  return entries;
}

template <bool kFoldCase>
constexpr std::array<uint16_t, 256> kSingleBytes = BuildSingleBytes<kFoldCase>();

// Eight ASCII bytes at once, as titles have runs of them: no lead byte among
// them, and their letters fold by adding masks. False when a byte is not ASCII.
template <bool kFoldCase>
inline bool FoldAsciiWord(const char* text, char* out) {
  constexpr uint64_t kHighBits = 0x8080808080808080u;
  uint64_t word;
  std::memcpy(&word, text, 8);
  if ((word & kHighBits) != 0) return false;
  if (kFoldCase) {
    // With every byte below 0x80 the sums cannot carry into the next byte:
    // the high bit says "at least a" and "beyond z" respectively.
    const uint64_t fromA = word + 0x1F1F1F1F1F1F1F1Fu;
    const uint64_t beyondZ = word + 0x0505050505050505u;
    word ^= ((fromA & ~beyondZ) & kHighBits) >> 2;
  }
  std::memcpy(out, &word, 8);
  return true;
}

// One instance per folding, so the per-byte loop carries no flag tests.
template <bool kFoldCase, bool kFoldWidth>
size_t Fold(const char* text, size_t length, char* out) {
  const width_tables::NarrowForm* narrow = width_tables::NarrowFormTable();
  const std::array<uint16_t, 256>& singles = kSingleBytes<kFoldCase>;
  size_t written = 0;
  size_t i = 0;
  while (i < length) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte < 0x80 && length - i >= 8 && FoldAsciiWord<kFoldCase>(text + i, out + written)) {
      i += 8;
      written += 8;
      continue;
    }
    const uint16_t entry = singles[byte];
    // A byte that starts no double-byte character is half-width already; CR LF
    // pairs need no care, as neither byte changes.
    if ((entry & kLead) == 0 || i + 1 == length || !IsTrailByte(static_cast<unsigned char>(text[i + 1]))) {
      out[written++] = static_cast<char>(entry & 0xFF);
      ++i;
      continue;
    }
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    i += 2;
    if (kFoldWidth && byte <= width_tables::kNarrowLastLead) {
      const width_tables::NarrowForm& form = narrow[(byte - width_tables::kNarrowFirstLead) * 256 + trail];
      if (form.length == 1) {
        // Full-width letters narrow to ASCII letters, whose case comes last.
        out[written++] = static_cast<char>(singles[form.bytes[0]] & 0xFF);
        continue;
      }
      if (form.length == 2) {
        out[written++] = static_cast<char>(form.bytes[0]);
        out[written++] = static_cast<char>(form.bytes[1]);
        continue;
      }
    }
    const auto code = static_cast<uint16_t>(byte << 8 | trail);
    const uint16_t folded = kFoldCase ? UpperLetterCode(code) : code;
    out[written++] = static_cast<char>(folded >> 8);
    out[written++] = static_cast<char>(folded & 0xFF);
  }
  return written;
}

}  // namespace

size_t FoldForMatch(const char* text, size_t length, bool foldCase, bool foldWidth, char* out) {
  if (foldCase && foldWidth) return Fold<true, true>(text, length, out);
  if (foldCase) return Fold<true, false>(text, length, out);
  if (foldWidth) return Fold<false, true>(text, length, out);
  return Fold<false, false>(text, length, out);
}
