#include "framework/icons/pure/IconLocation.h"

#include <climits>
#include <string>

#include "framework/text/CharClasses.h"
#include "framework/text/TStringOps.h"

namespace {

// ',' and '"' lie below 0x40, so neither is ever the second byte of a
// double-byte character: finding them byte by byte is finding characters.
int IndexValue(const TString& text) {
  const std::string& bytes = text.Bytes();
  size_t at = 0;
  bool negative = false;
  if (at < bytes.size() && (bytes[at] == '-' || bytes[at] == '+')) negative = bytes[at++] == '-';
  long long value = 0;
  for (; at < bytes.size() && IsDigitByte(bytes[at]); ++at) {
    value = value * 10 + (bytes[at] - '0');
    if (value > INT_MAX) {
      value = INT_MAX;  // further digits cannot bring it back below
      break;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

TIconLocation ParseIconLocation(const TString& text) {
  const TString trimmed = Trim(text);
  const std::string& bytes = trimmed.Bytes();
  TIconLocation location;
  size_t comma = std::string::npos;
  if (!bytes.empty() && bytes[0] == '"') {
    const size_t close = bytes.find('"', 1);
    if (close != std::string::npos) {
      location.path = Trim(TString(bytes.substr(1, close - 1)));
      comma = bytes.find(',', close + 1);
    } else {
      comma = bytes.find(',');
      location.path = Trim(TString(bytes.substr(1, comma == std::string::npos ? std::string::npos : comma - 1)));
    }
  } else {
    comma = bytes.find(',');
    location.path = Trim(TString(bytes.substr(0, comma)));
  }
  if (comma != std::string::npos) location.index = IndexValue(Trim(TString(bytes.substr(comma + 1))));
  return location;
}
