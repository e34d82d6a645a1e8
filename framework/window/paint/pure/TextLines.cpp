#include "framework/window/paint/pure/TextLines.h"

std::vector<std::string> SplitTextLines(const TString& text) {
  const std::string& bytes = text.Bytes();
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      lines.back() += c;
      continue;
    }
    // A CR LF or LF CR pair is one break; two equal bytes are two.
    const char next = i + 1 < bytes.size() ? bytes[i + 1] : '\0';
    if ((next == '\r' || next == '\n') && next != c) ++i;
    lines.emplace_back();
  }
  return lines;
}
