#pragma once
// Bytes as two lower-case hex digits each. The test programs pass Shift-JIS
// texts this way on command lines and write them so to their logs: no quoting,
// no code page, and every byte (tab, CR LF, 0x80-0xFF) survives exactly.
// Header-only so that the stand-alone test programs can use it too.
#include <string>

inline std::string HexFromBytes(const std::string& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (unsigned char b : bytes) {
    hex += kDigits[b >> 4];
    hex += kDigits[b & 0x0F];
  }
  return hex;
}

inline int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// False (and `bytes` untouched) for an odd length or a character that is no
// hex digit: a half-decoded title would make a test compare the wrong text.
inline bool BytesFromHex(const std::string& hex, std::string* bytes) {
  if (hex.size() % 2 != 0) return false;
  std::string decoded;
  decoded.reserve(hex.size() / 2);
  for (size_t i = 0; i < hex.size(); i += 2) {
    const int high = HexDigitValue(hex[i]);
    const int low = HexDigitValue(hex[i + 1]);
    if (high < 0 || low < 0) return false;
    decoded += static_cast<char>(high * 16 + low);
  }
  *bytes = std::move(decoded);
  return true;
}
