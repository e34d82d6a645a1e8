#pragma once
// Writing a list of texts as one REG_MULTI_SZ value (reading is the key
// list's ReadMultiString).
#include <windows.h>

#include "framework/text/TString.h"
#include "framework/text/TStringArray.h"

// The most a multi-string value may take, both terminators included: what
// ReadMultiString can read back.
constexpr DWORD kMultiStringCapacity = 1024;

// Writes the non-empty texts of `items`, each with its terminator, plus the
// final terminator. ERROR_INSUFFICIENT_BUFFER, with nothing written, when
// that exceeds kMultiStringCapacity bytes.
LONG WriteMultiString(HKEY key, const TString& name, const TStringArray& items);
