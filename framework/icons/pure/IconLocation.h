#pragma once
// Icon locations as the registry writes them ("DefaultIcon" values, shell
// link icons): a path, optionally quoted, then a comma and an index, e.g.
// "%SystemRoot%\system32\shell32.dll,-35" or "\"C:\Program Files\a,b\x.exe\",1".
// The path is taken apart here as text; environment references are expanded
// by the caller (ReadIconLocation).
#include "framework/text/TString.h"

struct TIconLocation {
  TString path;
  int index = 0;
};

// A quoted path runs to its closing quote, so a comma inside it is part of
// the path; otherwise the first comma ends the path. The path is trimmed and
// unquoted (an unclosed quote is dropped). The index is the decimal number
// that starts the trimmed text after the comma (an optional sign, then
// digits; 0 when there is none, held within +-2147483647); 0 without a
// comma.
TIconLocation ParseIconLocation(const TString& text);
