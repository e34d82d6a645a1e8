#pragma once
// File-name extensions named by an open-file dialog filter, and the test of a
// path against them.
//
// A filter is the dialog's block of (description, pattern) pairs, each text
// NUL-terminated, the block ending with an empty text. A pattern lists masks
// separated by ';'. The block is passed with its byte count, so a block that
// lacks its final empty text is read only up to its end.
#include <string_view>

#include "framework/text/TString.h"
#include "framework/text/TTextList.h"

// The extension of every mask, in filter order, each once (compared ignoring
// case): the text after the mask's last '.', blanks around the mask dropped.
// "*.exe" gives "exe", "*.*" and "*" give "*" (any extension), "*." gives ""
// (files without one); empty masks give nothing.
TTextList FilterExtensions(std::string_view filter);

// Whether the extension of `path`'s file name (after its last '.', "" when it
// has none) equals one of `extensions` ignoring the case of ASCII and
// full-width letters, or the list holds "*". Shift-JIS aware: a trail byte is
// never taken for '\' or folded in case.
bool MatchesFilterExtensions(const TString& path, const TTextList& extensions);
