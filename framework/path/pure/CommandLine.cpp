#include "framework/path/pure/CommandLine.h"

#include <string>

#include "framework/text/ShiftJis.h"

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool StartsWith(const TString& text, const char* prefix) {
  return text.Bytes().compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// ASCII letter case folding that steps by characters, so the trail byte of a
// double-byte character is never folded.
std::string FoldAscii(const std::string& text) {
  std::string folded = text;
  size_t at = 0;
  while (at < folded.size()) {
    const size_t step = CharLength(folded.size() - at, folded.data() + at);
    if (step == 1 && folded[at] >= 'a' && folded[at] <= 'z') folded[at] = static_cast<char>(folded[at] - 32);
    at += step;
  }
  return folded;
}

// The name part of a switch: up to its first ':' (the whole switch without one).
std::string SwitchName(const TString& switchText) {
  const std::string& bytes = switchText.Bytes();
  return bytes.substr(0, bytes.find(':'));
}

}  // namespace

TTextList SplitCommandLine(const TString& text) {
  TTextList tokens;
  const char* p = text.c_str();
  const size_t length = text.Length();
  size_t at = 0;
  while (at < length) {
    while (at < length && IsSeparator(p[at])) ++at;
    if (at >= length) break;
    const size_t start = at;
    bool quoted = false;
    while (at < length && (quoted || !IsSeparator(p[at]))) {
      if (p[at] == '"') quoted = !quoted;
      at += CharLength(length - at, p + at);
    }
    tokens.Append(TString(p + start, at - start));
  }
  return tokens;
}

TString StripQuotes(const TString& text) {
  size_t start = 0;
  size_t end = text.Length();
  if (end > start && text.At(start) == '"') ++start;
  if (end > start && text.At(end - 1) == '"') --end;
  return TString(text.c_str() + start, end - start);
}

TString NamedFile(const TString& line) {
  const TTextList tokens = SplitCommandLine(line);
  if (tokens.Count() == 0) return TString();
  const TString& first = tokens.Item(0);
  if (first.At(0) == '"') return StripQuotes(first);
  // Unquoted, the line is taken whole, with the blanks inside it.
  const std::string& bytes = line.Bytes();
  const size_t start = bytes.find_first_not_of(" \t\r\n");
  const size_t end = bytes.find_last_not_of(" \t\r\n");
  return TString(bytes.substr(start, end - start + 1));
}

TCommandLine ParseCommandLine(const TString& text) {
  TCommandLine result;
  const TTextList tokens = SplitCommandLine(text);
  const int count = tokens.Count();
  if (count == 0) return result;
  result.programPath = StripQuotes(tokens.Item(0));

  int i = 1;
  while (i < count) {
    const TString& token = tokens.Item(i);
    if (token.IsEmpty()) {
      ++i;
      continue;
    }
    if (token.At(0) == '/') {
      TString switchText = token;
      if (token.At(token.Length() - 1) == ':' && i + 1 < count && !tokens.Item(i + 1).IsEmpty()) {
        switchText += tokens.Item(i + 1);
        ++i;
      }
      result.switches.Append(switchText);
      ++i;
      continue;
    }
    // A file name with blanks arrives in pieces when it was not quoted; the
    // pieces are joined until something that starts a new argument. A quoted
    // name is already whole: joining after it would leave a quote inside.
    TString file = token;
    ++i;
    while (i < count && token.At(0) != '"') {
      const TString& next = tokens.Item(i);
      if (next.At(0) == '/' || next.At(0) == '"' || next.Bytes().find(':') != std::string::npos ||
          StartsWith(next, "\\\\")) {
        break;
      }
      file += TString(" ") + next;
      ++i;
    }
    result.files.Append(StripQuotes(file));
  }
  return result;
}

int FindSwitch(const TTextList& switches, const TString& name) {
  const std::string wanted = FoldAscii(name.Bytes());
  int index = 0;
  for (const TString& item : switches) {
    if (FoldAscii(SwitchName(item)) == wanted) return index;
    ++index;
  }
  return -1;
}

TString SwitchValue(const TString& switchText) {
  const size_t colon = switchText.Bytes().find(':');
  if (colon == std::string::npos) return TString();
  return TString(switchText.Bytes().substr(colon + 1));
}

TString HelpFilePath(const TString& programPath) {
  // Only a dot of the file name counts: a dotted folder name must not cut the path.
  const char* p = programPath.c_str();
  const size_t length = programPath.Length();
  size_t dot = std::string::npos;
  size_t at = 0;
  while (at < length) {
    const size_t step = CharLength(length - at, p + at);
    if (step == 1 && p[at] == '.') dot = at;
    if (step == 1 && (p[at] == '\\' || p[at] == '/')) dot = std::string::npos;
    at += step;
  }
  const size_t keep = dot == std::string::npos ? length : dot;
  return TString(p, keep) + TString(".HLP");
}
