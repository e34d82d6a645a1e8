#pragma once
// Which menu text a typed key chooses: the letter after the text's first lone
// ampersand ("&&" is a plain ampersand and underlines nothing). Letters match
// whatever their case; the bytes of a double-byte character are never taken
// for an ampersand or a letter.
#include "framework/text/TString.h"

// The underlined character of `text` (upper case for a letter), or 0 for none.
unsigned char MenuMnemonic(const TString& text);
// True when typing `typed` chooses an item with this text.
bool MatchesMenuMnemonic(const TString& text, unsigned char typed);
