#pragma once
// Texts for menus and tool tips made from other programs' window titles.
#include <cstddef>
#include <string>
#include <vector>

#include "framework/text/TString.h"

// The wide tray record's tip holds 127 UTF-16 units and a terminator.
constexpr size_t kWideTipUnits = 127;

// Every '&' doubled, so a title never gains a mnemonic in a menu.
TString MakeMenuText(const TString& text);
// Every single-byte TAB, CR and LF replaced by the middle dot 0xA5.
TString MakeSingleLineText(const TString& text);
// At most `limit` bytes, never ending in half a double-byte character.
TString CutAtCharacter(const TString& text, size_t limit);

// The same for a title read in its wide form (UTF-16): '&' doubled, TAB, CR
// and LF as the half-width middle dot U+FF65, and a cut that never splits a
// surrogate pair.
std::u16string MakeMenuText(const std::u16string& text);
std::u16string MakeSingleLineText(const std::u16string& text);
std::u16string CutAtCharacter(const std::u16string& text, size_t limit);
// The smallest integer from `first` that no entry of `used` holds.
int SmallestFreeId(const std::vector<int>& used, int first);
// The registry value name that keeps the window of a stored icon: the id as
// at least six digits with leading zeros.
TString TrayIconValueName(int iconId);
