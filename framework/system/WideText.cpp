#include <windows.h>

#include "framework/system/WideText.h"

TWideText WideFromAnsi(const TString& text) {
  if (text.IsEmpty()) return TWideText();
  const int length = static_cast<int>(text.Length());
  const int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, nullptr, 0);
  if (units <= 0) return TWideText();
  TWideText wide(static_cast<size_t>(units), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, WideChars(wide), units);
  return wide;
}

TString MultiByteFromWide(const TWideText& text, UINT codePage) {
  if (text.empty()) return TString();
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(codePage, 0, WideChars(text), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return TString();
  std::string converted(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(codePage, 0, WideChars(text), length, &converted[0], bytes, nullptr, nullptr);
  return TString(std::move(converted));
}

TString AnsiFromWide(const TWideText& text) { return MultiByteFromWide(text, CP_ACP); }
