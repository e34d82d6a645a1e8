#pragma once
// Texts between the program's Shift-JIS form and the wide form (UTF-16) in
// which other programs' windows hold titles in any script.
#include <windows.h>

#include <string>

#include "framework/text/TString.h"

// Through the system's ANSI code page, as the ANSI calls convert: a
// character that code page lacks becomes what those calls make of it.
std::wstring WideFromAnsi(const TString& text);
TString AnsiFromWide(const std::wstring& text);

// The same units under the portable name the pure code uses.
inline std::u16string PortableFromWide(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
inline std::wstring WideFromPortable(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }
