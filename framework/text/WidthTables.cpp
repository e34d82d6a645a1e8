#include "framework/text/WidthTables.h"

#include <array>
#include <cstddef>

#include "framework/text/WidthClasses.h"

namespace width_tables {
namespace {

struct SymbolRow {
  uint8_t half;
  uint16_t full;
  uint8_t widthClass;
  bool reversible;  // whether the full-width form turns back into `half`
};

// Space, symbols and kana punctuation, in the order of their full-width codes.
// The back-quote is one-way: it widens to the opening single quotation mark,
// but that mark is a quotation mark of its own in Japanese text, and narrowing
// it would put back-quotes into text that never had one. The corner brackets
// are symbols, not kana, although their bytes lie among the katakana.
constexpr SymbolRow kSymbolRows[] = {
    {0x20, 0x8140, kWidthSymbols, true},  // space
    {0xA4, 0x8141, kWidthKana, true},     // ideographic comma
    {0xA1, 0x8142, kWidthKana, true},     // ideographic full stop
    {0x2C, 0x8143, kWidthSymbols, true},  // ,
    {0x2E, 0x8144, kWidthSymbols, true},  // .
    {0xA5, 0x8145, kWidthKana, true},     // middle dot
    {0x3A, 0x8146, kWidthSymbols, true},  // :
    {0x3B, 0x8147, kWidthSymbols, true},  // ;
    {0x3F, 0x8148, kWidthSymbols, true},  // ?
    {0x21, 0x8149, kWidthSymbols, true},  // !
    {0xDE, 0x814A, kWidthKana, true},     // voiced sound mark
    {0xDF, 0x814B, kWidthKana, true},     // semi-voiced sound mark
    {0x5E, 0x814F, kWidthSymbols, true},  // ^
    {0x5F, 0x8151, kWidthSymbols, true},  // _
    {0xB0, 0x815B, kWidthKana, true},     // prolonged sound mark
    {0x2F, 0x815E, kWidthSymbols, true},  // /
    {0x7E, 0x8160, kWidthSymbols, true},  // ~
    {0x7C, 0x8162, kWidthSymbols, true},  // |
    {0x60, 0x8165, kWidthSymbols, false}, // back-quote
    {0x27, 0x8166, kWidthSymbols, true},  // '
    {0x22, 0x8168, kWidthSymbols, true},  // "
    {0x28, 0x8169, kWidthSymbols, true},  // (
    {0x29, 0x816A, kWidthSymbols, true},  // )
    {0x5B, 0x816D, kWidthSymbols, true},  // [
    {0x5D, 0x816E, kWidthSymbols, true},  // ]
    {0x7B, 0x816F, kWidthSymbols, true},  // {
    {0x7D, 0x8170, kWidthSymbols, true},  // }
    {0xA2, 0x8175, kWidthSymbols, true},  // opening corner bracket
    {0xA3, 0x8176, kWidthSymbols, true},  // closing corner bracket
    {0x2B, 0x817B, kWidthSymbols, true},  // +
    {0x2D, 0x817C, kWidthSymbols, true},  // -
    {0x3D, 0x8181, kWidthSymbols, true},  // =
    {0x3C, 0x8183, kWidthSymbols, true},  // <
    {0x3E, 0x8184, kWidthSymbols, true},  // >
    {0x5C, 0x818F, kWidthSymbols, true},  // backslash, the yen sign of code page 932
    {0x24, 0x8190, kWidthSymbols, true},  // $
    {0x25, 0x8193, kWidthSymbols, true},  // %
    {0x23, 0x8194, kWidthSymbols, true},  // #
    {0x26, 0x8195, kWidthSymbols, true},  // &
    {0x2A, 0x8196, kWidthSymbols, true},  // *
    {0x40, 0x8197, kWidthSymbols, true},  // @
};

// Full-width katakana of the half-width katakana 0xA6-0xDD. 0xB0 is the
// prolonged sound mark, a punctuation row above.
constexpr uint8_t kFirstKatakana = 0xA6;
constexpr uint16_t kKatakana[] = {
    0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385,  // A6-AD: wo, small a i u e o, small ya yu
    0x8387, 0x8362, 0,      0x8341, 0x8343, 0x8345, 0x8347, 0x8349,  // AE-B5: small yo, small tu, -, a i u e o
    0x834A, 0x834C, 0x834E, 0x8350, 0x8352, 0x8354, 0x8356, 0x8358,  // B6-BD: ka ki ku ke ko sa si su
    0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369,  // BE-C5: se so ta ti tu te to na
    0x836A, 0x836B, 0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377,  // C6-CD: ni nu ne no ha hi hu he
    0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384, 0x8386,  // CE-D5: ho ma mi mu me mo ya yu
    0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393,  // D6-DD: yo ra ri ru re ro wa n
};

// Archaic wi and we have no half-width form of their own: they narrow to i
// and e and never come back.
struct OneWayKana {
  uint16_t full;
  uint8_t half;
};
constexpr OneWayKana kOneWayKana[] = {{0x8390, 0xB2}, {0x8391, 0xB4}};

struct VoicedRow {
  uint8_t base;
  uint8_t mark;
  uint16_t full;
};
constexpr VoicedRow kVoicedRows[] = {
    {0xB6, kVoicedMark, 0x834B}, {0xB7, kVoicedMark, 0x834D}, {0xB8, kVoicedMark, 0x834F},  // ga gi gu
    {0xB9, kVoicedMark, 0x8351}, {0xBA, kVoicedMark, 0x8353},                               // ge go
    {0xBB, kVoicedMark, 0x8355}, {0xBC, kVoicedMark, 0x8357}, {0xBD, kVoicedMark, 0x8359},  // za zi zu
    {0xBE, kVoicedMark, 0x835B}, {0xBF, kVoicedMark, 0x835D},                               // ze zo
    {0xC0, kVoicedMark, 0x835F}, {0xC1, kVoicedMark, 0x8361}, {0xC2, kVoicedMark, 0x8364},  // da di du
    {0xC3, kVoicedMark, 0x8366}, {0xC4, kVoicedMark, 0x8368},                               // de do
    {0xCA, kVoicedMark, 0x836F}, {0xCB, kVoicedMark, 0x8372}, {0xCC, kVoicedMark, 0x8375},  // ba bi bu
    {0xCD, kVoicedMark, 0x8378}, {0xCE, kVoicedMark, 0x837B},                               // be bo
    {0xCA, kSemiVoicedMark, 0x8370}, {0xCB, kSemiVoicedMark, 0x8373},                       // pa pi
    {0xCC, kSemiVoicedMark, 0x8376}, {0xCD, kSemiVoicedMark, 0x8379},                       // pu pe
    {0xCE, kSemiVoicedMark, 0x837C},                                                        // po
    {0xB3, kVoicedMark, 0x8394},                                                            // vu
};

// Double-byte codes with a half-width form all have lead 0x81, 0x82 or 0x83.
constexpr unsigned kFirstLead = 0x81;
constexpr unsigned kLeadCount = 3;

constexpr std::array<FullForm, 256> BuildFullForms() {
  std::array<FullForm, 256> forms{};
  for (unsigned b = '0'; b <= '9'; ++b) forms[b] = {static_cast<uint16_t>(b + 0x821F), kWidthDigits};
  for (unsigned b = 'A'; b <= 'Z'; ++b) forms[b] = {static_cast<uint16_t>(b + 0x821F), kWidthUpperLetters};
  for (unsigned b = 'a'; b <= 'z'; ++b) forms[b] = {static_cast<uint16_t>(b + 0x8220), kWidthLowerLetters};
  // Later rows never replace earlier ones: the first row of a byte decides.
  for (const SymbolRow& row : kSymbolRows) {
    if (forms[row.half].code == 0) forms[row.half] = {row.full, row.widthClass};
  }
  for (size_t i = 0; i < sizeof kKatakana / sizeof kKatakana[0]; ++i) {
    if (kKatakana[i] != 0) forms[kFirstKatakana + i] = {kKatakana[i], kWidthKana};
  }
  return forms;
}

constexpr std::array<HalfForm, kLeadCount * 256> BuildHalfForms() {
  std::array<HalfForm, kLeadCount * 256> forms{};
  auto set = [&forms](uint16_t code, uint8_t half, uint8_t widthClass) {
    forms[code - kFirstLead * 256] = {half, widthClass};
  };
  for (unsigned b = '0'; b <= '9'; ++b) set(static_cast<uint16_t>(b + 0x821F), static_cast<uint8_t>(b), kWidthDigits);
  for (unsigned b = 'A'; b <= 'Z'; ++b) {
    set(static_cast<uint16_t>(b + 0x821F), static_cast<uint8_t>(b), kWidthUpperLetters);
  }
  for (unsigned b = 'a'; b <= 'z'; ++b) {
    set(static_cast<uint16_t>(b + 0x8220), static_cast<uint8_t>(b), kWidthLowerLetters);
  }
  for (const SymbolRow& row : kSymbolRows) {
    if (row.reversible) set(row.full, row.half, row.widthClass);
  }
  for (size_t i = 0; i < sizeof kKatakana / sizeof kKatakana[0]; ++i) {
    if (kKatakana[i] != 0) set(kKatakana[i], static_cast<uint8_t>(kFirstKatakana + i), kWidthKana);
  }
  for (const OneWayKana& kana : kOneWayKana) set(kana.full, kana.half, kWidthKana);
  return forms;
}

// Voiced kana by base byte: index base - 0xA0, one table per mark.
constexpr unsigned kFirstBase = 0xA0;
constexpr std::array<std::array<uint16_t, 0x40>, 2> BuildVoicedFull() {
  std::array<std::array<uint16_t, 0x40>, 2> forms{};
  for (const VoicedRow& row : kVoicedRows) {
    forms[row.mark == kVoicedMark ? 0 : 1][row.base - kFirstBase] = row.full;
  }
  return forms;
}

// Every voiced kana has lead 0x83: index by trail byte.
constexpr unsigned kVoicedLead = 0x83;
constexpr std::array<VoicedPair, 256> BuildVoicedHalf() {
  std::array<VoicedPair, 256> pairs{};
  for (const VoicedRow& row : kVoicedRows) pairs[row.full & 0xFF] = {row.base, row.mark};
  return pairs;
}

constexpr std::array<NarrowForm, kLeadCount * 256> BuildNarrowForms() {
  std::array<NarrowForm, kLeadCount * 256> forms{};
  const std::array<HalfForm, kLeadCount * 256> halves = BuildHalfForms();
  for (size_t i = 0; i < forms.size(); ++i) {
    if (halves[i].byte != 0) forms[i] = {1, {halves[i].byte, 0}};
  }
  for (const VoicedRow& row : kVoicedRows) forms[row.full - kFirstLead * 256] = {2, {row.base, row.mark}};
  return forms;
}

constexpr std::array<FullForm, 256> kFullForms = BuildFullForms();
constexpr std::array<HalfForm, kLeadCount * 256> kHalfForms = BuildHalfForms();
constexpr std::array<std::array<uint16_t, 0x40>, 2> kVoicedFull = BuildVoicedFull();
constexpr std::array<VoicedPair, 256> kVoicedHalf = BuildVoicedHalf();
constexpr std::array<NarrowForm, kLeadCount * 256> kNarrowForms = BuildNarrowForms();
static_assert(kNarrowFirstLead == kFirstLead && kNarrowLastLead - kNarrowFirstLead + 1 == kLeadCount, "");

static_assert(sizeof kKatakana / sizeof kKatakana[0] == 0xDD - kFirstKatakana + 1, "one entry per byte A6-DD");
static_assert(kFullForms[0xB3].code == 0x8345 && kFullForms[0xA2].widthClass == kWidthSymbols, "");
static_assert(kHalfForms[0x8165 - 0x8100].byte == 0, "the back-quote is one-way");

}  // namespace

FullForm FullFormOf(unsigned char byte) { return kFullForms[byte]; }

HalfForm HalfFormOf(uint16_t code) {
  const unsigned index = static_cast<unsigned>(code) - kFirstLead * 256;
  if (code < kFirstLead * 256 || index >= kHalfForms.size()) return {0, 0};
  return kHalfForms[index];
}

uint16_t VoicedFullForm(unsigned char base, unsigned char mark) {
  if (base < kFirstBase || base - kFirstBase >= kVoicedFull[0].size()) return 0;
  if (mark != kVoicedMark && mark != kSemiVoicedMark) return 0;
  return kVoicedFull[mark - kVoicedMark][base - kFirstBase];
}

VoicedPair VoicedHalfForm(uint16_t code) {
  if ((code >> 8) != kVoicedLead) return {0, 0};
  return kVoicedHalf[code & 0xFF];
}

const NarrowForm* NarrowFormTable() { return kNarrowForms.data(); }

}  // namespace width_tables
