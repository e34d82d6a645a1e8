#pragma once
// Texts between the program's Shift-JIS form and the wide form (UTF-16) in
// which other programs' windows hold titles in any script.
#include <windows.h>

#include <string>

#include "framework/text/TString.h"

// A wide text: UTF-16 units, the same the pure code works on. Not
// std::wstring, whose prebuilt library form (35 KB, with exception support)
// would come into the program whole.
using TWideText = std::u16string;

// The units as the wide system calls take them (both are 16-bit units on Windows).
inline const wchar_t* WideChars(const TWideText& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline wchar_t* WideChars(TWideText& text) { return reinterpret_cast<wchar_t*>(&text[0]); }

// Through the system's ANSI code page, as the ANSI calls convert: a
// character that code page lacks becomes what those calls make of it.
TWideText WideFromAnsi(const TString& text);
TString AnsiFromWide(const TWideText& text);
// The same into any code page (CP_UTF8 for a browser's escapes).
TString MultiByteFromWide(const TWideText& text, UINT codePage);
