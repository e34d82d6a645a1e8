#pragma once
// Lookup of the half-width/full-width pairs behind the width conversions.
// The pairs are kept as numbers, not literals, so that every compiler sees the
// same Shift-JIS codes whatever its execution character set.
#include <cstdint>

namespace width_tables {

// The half-width sound marks that follow a katakana base.
constexpr unsigned char kVoicedMark = 0xDE;      // dakuten
constexpr unsigned char kSemiVoicedMark = 0xDF;  // handakuten

// Full-width counterpart of a single byte and the class it belongs to;
// code 0 when the byte has none.
struct FullForm {
  uint16_t code;
  uint8_t widthClass;
};
FullForm FullFormOf(unsigned char byte);

// Single-byte counterpart of a double-byte code (lead x 256 + trail) and its
// class; byte 0 when the code has none. Voiced kana have no single byte.
struct HalfForm {
  uint8_t byte;
  uint8_t widthClass;
};
HalfForm HalfFormOf(uint16_t code);

// The full-width voiced (or semi-voiced) kana written as `base` followed by
// `mark` in half-width, or 0 when that pair is no voiced kana.
uint16_t VoicedFullForm(unsigned char base, unsigned char mark);

// The half-width pair of a full-width voiced kana (the base and its mark), or
// base 0 when `code` is none.
struct VoicedPair {
  uint8_t base;
  uint8_t mark;
};
VoicedPair VoicedHalfForm(uint16_t code);

// The half-width form of a double-byte code with every class converted, voiced
// kana split: one lookup for the matcher's hot loop. Index (lead - 0x81) x 256
// + trail for leads 0x81-0x83; no other lead has a half-width form.
struct NarrowForm {
  uint8_t length;  // 0: the code stays as it is
  uint8_t bytes[2];
};
constexpr unsigned kNarrowFirstLead = 0x81;
constexpr unsigned kNarrowLastLead = 0x83;
const NarrowForm* NarrowFormTable();

}  // namespace width_tables
