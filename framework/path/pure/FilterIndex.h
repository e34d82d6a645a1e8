#pragma once
// Which pair of a file dialog's filter to select first for a file with a
// given extension. The filter is the dialog's block of (description, pattern)
// pairs as in FilterExtensions.h, passed with its byte count; pairs count
// from 1, as the dialog's filter index does.
#include <string_view>

// The first pair whose pattern holds `extension` (without its dot) followed
// by the end of the pattern or a ';'. Without one: for an empty extension the
// first pair whose description marks the general entry (it holds the word
// for "various" in Shift-JIS); else the first pattern holding "*.*" followed
// by the end or a ';'; else 1 when the block ends with a description that has
// no pattern; else the last pair (0 when there is none).
int FilterIndex(std::string_view filter, std::string_view extension);
