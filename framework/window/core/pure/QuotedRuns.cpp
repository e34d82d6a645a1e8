#include "framework/window/core/pure/QuotedRuns.h"

#include <string>

TString ConvertOutsideQuotes(const TString& text, const TTextConversion& convert) {
  // '"' is never the trail byte of a double-byte character, so a byte search
  // finds only real quotes.
  const std::string& bytes = text.Bytes();
  std::string result;
  size_t at = 0;
  while (at < bytes.size()) {
    if (bytes[at] == '"') {
      const size_t close = bytes.find('"', at + 1);
      const size_t end = close == std::string::npos ? bytes.size() : close + 1;
      result.append(bytes, at, end - at);
      at = end;
    } else {
      const size_t quote = bytes.find('"', at);
      const size_t end = quote == std::string::npos ? bytes.size() : quote;
      result += convert(TString(bytes.substr(at, end - at))).Bytes();
      at = end;
    }
  }
  return TString(std::move(result));
}
