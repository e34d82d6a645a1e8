#pragma once
// Texts for menus and tool tips made from other programs' window titles.
#include <cstddef>
#include <vector>

#include "framework/text/TString.h"

// Tool tips hold 63 bytes and a terminator.
constexpr size_t kTipBytes = 63;

// Every '&' doubled, so a title never gains a mnemonic in a menu.
TString MakeMenuText(const TString& text);
// Every single-byte TAB, CR and LF replaced by the middle dot 0xA5.
TString MakeSingleLineText(const TString& text);
// At most `limit` bytes, never ending in half a double-byte character.
TString CutAtCharacter(const TString& text, size_t limit);
// The smallest integer from `first` that no entry of `used` holds.
int SmallestFreeId(const std::vector<int>& used, int first);
// The registry value name that keeps the window of a stored icon: the id as
// at least six digits with leading zeros.
TString TrayIconValueName(int iconId);
