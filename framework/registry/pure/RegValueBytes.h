#pragma once
// The byte forms of registry text values, kept free of Win32 so that the
// parsing of whatever another program left in the registry can be fuzzed.
// Stored bytes are never trusted to be terminated: every reader stops at the
// stored size.
#include <cstddef>
#include <string>

#include "framework/text/TString.h"
#include "framework/text/TStringArray.h"

// The text of a string value: its bytes up to the first NUL, or all `size`
// bytes when the writer left the terminator out.
TString TextFromValueBytes(const char* data, size_t size);

// The strings of a multi-string value, in order. The list ends at the first
// empty string or at `size`; a last string without its terminator still counts.
TStringArray SplitMultiString(const char* data, size_t size);

// The bytes of a multi-string value: each text with its terminator, then the
// final terminator. Empty texts are left out (one would end the list for every
// reader). False, with `bytes` untouched, when the result exceeds `capacity`.
bool JoinMultiString(const TStringArray& items, size_t capacity, std::string& bytes);
