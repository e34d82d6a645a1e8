#include "framework/path/pure/ManualLink.h"

#include <algorithm>
#include <string>

#include "framework/text/ShiftJis.h"

namespace {

bool IsSlash(char c) { return c == '\\' || c == '/'; }

bool NeedsEncoding(unsigned char b) {
  return b < 0x20 || b >= 0x7F || b == ' ' || b == '%' || b == '#' || b == '?' || b == '"';
}

void AppendEncoded(std::string* out, unsigned char b) {
  static const char kDigits[] = "0123456789ABCDEF";
  *out += '%';
  *out += kDigits[b >> 4];
  *out += kDigits[b & 0x0F];
}

// Percent-encodes UTF-8 `text` byte by byte; with `slashes`, '\' becomes '/'
// (no byte of a UTF-8 sequence is below 0x80, so every 0x5C is a backslash).
std::string Encoded(const std::string& text, bool slashes) {
  std::string out;
  for (const char c : text) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (slashes && b == '\\') out += '/';
    else if (NeedsEncoding(b)) AppendEncoded(&out, b);
    else out += c;
  }
  return out;
}

bool IsPlaceholder(const std::string& text, size_t at) {
  return text[at] == '%' && at + 1 < text.size() &&
         (text[at + 1] == '1' || text[at + 1] == 'L' || text[at + 1] == 'l');
}

}  // namespace

TString ManualPathFor(const TString& programPath) {
  const char* p = programPath.c_str();
  const size_t length = programPath.Length();
  size_t folderEnd = 0;
  size_t at = 0;
  while (at < length) {
    const size_t step = CharLength(length - at, p + at);
    if (step == 1 && IsSlash(p[at])) folderEnd = at + 1;
    at += step;
  }
  return TString(p, folderEnd) + TString("manual\\manual.html");
}

TString FileUrl(const TString& path, const TString& section) {
  const std::string& bytes = path.Bytes();
  // A UNC path names its server where a file URL has its host.
  const bool unc = bytes.size() >= 2 && IsSlash(bytes[0]) && IsSlash(bytes[1]);
  std::string url = unc ? "file://" + Encoded(bytes.substr(2), true) : "file:///" + Encoded(bytes, true);
  if (!section.IsEmpty()) url += "#" + Encoded(section.Bytes(), false);
  return TString(std::move(url));
}

TLaunch BrowserLaunch(const TString& command, const TString& url) {
  // '"', ' ' and '%' are below the trail-byte range: byte searches cannot
  // land inside a double-byte character here.
  const std::string& text = command.Bytes();
  size_t at = text.find_first_not_of(' ');
  if (at == std::string::npos) return TLaunch();
  TLaunch launch;
  size_t restStart = 0;
  if (text[at] == '"') {
    const size_t close = text.find('"', at + 1);
    const size_t end = close == std::string::npos ? text.size() : close;
    launch.program = TString(text.substr(at + 1, end - at - 1));
    restStart = close == std::string::npos ? text.size() : close + 1;
  } else {
    const size_t space = text.find(' ', at);
    const size_t end = space == std::string::npos ? text.size() : space;
    launch.program = TString(text.substr(at, end - at));
    restStart = end;
  }
  restStart = std::min(text.find_first_not_of(' ', restStart), text.size());
  const std::string rest = text.substr(restStart);

  // One pass, so that a "%1" inside the inserted url is never replaced again.
  std::string parameters;
  bool placed = false;
  for (size_t i = 0; i < rest.size(); ++i) {
    if (IsPlaceholder(rest, i)) {
      parameters += url.Bytes();
      placed = true;
      ++i;
    } else {
      parameters += rest[i];
    }
  }
  if (!placed) parameters += (parameters.empty() ? "\"" : " \"") + url.Bytes() + "\"";
  launch.parameters = TString(std::move(parameters));
  return launch;
}
