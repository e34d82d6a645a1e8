#pragma once
// Listing and clearing the contents of one open key.
#include <windows.h>

#include "framework/text/TTextList.h"

// Names buffers start at 255 bytes with the terminator and grow for a longer
// name up to the longest the registry allows. An error ends the listing there
// (the result is then that error); ERROR_SUCCESS means every name was listed.
constexpr DWORD kRegNameBufferSize = 255;

// Empties `names`, then appends the key's value names in the registry's order.
LONG EnumValueNames(HKEY key, TTextList& names);
// The same for the names of the key's sub-keys.
LONG EnumSubKeyNames(HKEY key, TTextList& names);
// Deletes every value the listing reaches; the key and its sub-keys stay. The
// result is the listing's error if it ended early, else the first failed
// deletion.
LONG DeleteAllValues(HKEY key);
