#pragma once
// Checks an icon group resource (the directory of an icon's images) before
// the system reads it: a module from anywhere on disk may carry a truncated
// or bogus one, and the lookup would read past its end.
#include <cstddef>

// True when `bits` hold a complete directory of at least one icon image:
// reserved word 0, type 1, a count, and 14 bytes for each entry.
bool IsCompleteIconGroup(const unsigned char* bits, size_t size);
