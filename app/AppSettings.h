#pragma once
// The application's own values in its key, each access opening and closing
// the key again.
#include <cstdint>

// True when the value exists; `value` is left alone otherwise.
bool ReadApplicationDword(const char* name, uint32_t& value);
bool WriteApplicationDword(const char* name, uint32_t value);
