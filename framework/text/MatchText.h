#pragma once
// Text comparison for title rules and caption keywords: exact, contains,
// prefix or suffix, optionally without regard to letter case and to
// half-width versus full-width forms.
#include <cstddef>

#include "framework/text/TString.h"

// Mode flags of MatchText; a flag word combines them.
constexpr unsigned kMatchByteWise = 0x01;     // contains: at any byte, even inside a character
constexpr unsigned kMatchCharAligned = 0x02;  // contains: only where a character starts
constexpr unsigned kMatchEnabled = 0x08;      // required: without it nothing matches
constexpr unsigned kMatchExact = 0x10;
constexpr unsigned kMatchContains = 0x20;
constexpr unsigned kMatchPrefix = 0x40;
constexpr unsigned kMatchSuffix = 0x80;
constexpr unsigned kMatchFoldCase = 0x100;    // letters of both widths compare as upper case
constexpr unsigned kMatchFoldWidth = 0x200;   // every class compares in its half-width form

// What a position is set to when there is none to report.
constexpr size_t kNoPosition = static_cast<size_t>(-1);

// The first byte-wise occurrence of `pattern` in `text`, without regard to
// character boundaries. An empty pattern is found at 0, even in an empty text.
// `position` (optional) receives the offset, or kNoPosition.
bool FindBytes(const TString& text, const TString& pattern, size_t* position = nullptr);

// Whether `text` matches `pattern` under `flags`. Folding (case first, then
// width) applies to both before the comparison. The comparisons are tried in
// the order exact, contains, prefix, suffix: the first flag present decides.
// A contains search needs kMatchByteWise or kMatchCharAligned; a suffix counts
// only where a character of the text starts. `position` (optional) receives
// the offset of the match in `text` (0 for exact and prefix), or kNoPosition
// when there is no match or folding made offsets meaningless.
bool MatchText(const TString& text, const TString& pattern, unsigned flags, size_t* position = nullptr);
