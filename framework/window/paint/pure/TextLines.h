#pragma once
// The lines of a text as the framework paints it: line by line, so that tabs
// expand from the text's left edge and every line, an empty one too, takes a
// line's height. A line break is CR LF, LF CR, a lone CR or a lone LF; each
// pair counts as one break, as character stepping counts it. Shift-JIS trail
// bytes never take the values of CR or LF, so the bytes are split as they
// stand.
#include <string>
#include <vector>

#include "framework/text/TString.h"

// The lines of `text` without their breaks. An empty text is one empty line;
// a text that ends with a break ends with an empty line.
std::vector<std::string> SplitTextLines(const TString& text);
