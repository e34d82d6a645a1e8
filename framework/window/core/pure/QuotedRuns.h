#pragma once
// Converts a text everywhere except inside double-quoted runs, which carry
// other programs' titles and file names that must be shown as they are.
#include <functional>

#include "framework/text/TString.h"

using TTextConversion = std::function<TString(const TString&)>;

// A quoted run reaches to the next double quote (both quotes kept), or to the
// end when it is not closed; the other runs go through `convert`.
TString ConvertOutsideQuotes(const TString& text, const TTextConversion& convert);
