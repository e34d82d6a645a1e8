#pragma once
// Arrays of 32-bit values that end with a 0 entry (lists of ids and colours
// handed around the way the system's own tables are). A null array counts as
// an empty one.
#include <cstddef>
#include <cstdint>
#include <vector>

// Entries before the terminating 0.
size_t ZeroTerminatedCount(const uint32_t* values);
// The entries and their 0.
std::vector<uint32_t> ZeroTerminatedCopy(const uint32_t* values);
// The entries, then zeros, so that room for at least `minimum` entries
// precedes the final 0 (the count read back stays that of `values`).
std::vector<uint32_t> ZeroTerminatedPaddedCopy(const uint32_t* values, size_t minimum);
// Same entries up to and including the 0.
bool ZeroTerminatedEqual(const uint32_t* a, const uint32_t* b);
