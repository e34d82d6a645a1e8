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

TString AnsiFromWide(const TWideText& text) {
  if (text.empty()) return TString();
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, WideChars(text), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return TString();
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, WideChars(text), length, &ansi[0], bytes, nullptr, nullptr);
  return TString(std::move(ansi));
}
