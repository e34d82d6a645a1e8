#pragma once
// Folder texts end with exactly one '\' so that a file name can be appended
// directly. The last character is found by Shift-JIS stepping: a trail byte
// 0x5C (as in "表") is part of a character, not a separator.
#include "framework/text/TString.h"

// `folder` with a '\' appended when its last character is not one; the empty
// text stays empty (a lone "\" would name the root of the current drive).
TString WithFinalBackslash(const TString& folder);
