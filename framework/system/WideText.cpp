#include <windows.h>

#include "framework/system/WideText.h"

std::wstring WideFromAnsi(const TString& text) {
  if (text.IsEmpty()) return std::wstring();
  const int length = static_cast<int>(text.Length());
  const int units = MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring wide(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.c_str(), length, &wide[0], units);
  return wide;
}

TString AnsiFromWide(const std::wstring& text) {
  if (text.empty()) return TString();
  const int length = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return TString();
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), length, &ansi[0], bytes, nullptr, nullptr);
  return TString(std::move(ansi));
}
