#include "framework/path/pure/PathText.h"

#include <string>
#include <vector>

#include "framework/text/CharClasses.h"
#include "framework/text/ShiftJis.h"
#include "framework/text/TStringOps.h"

namespace {

constexpr size_t kNone = std::string::npos;

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Where the character after the one at `at` starts.
size_t NextChar(const TString& text, size_t at) {
  return at + CharLength(text.Length() - at, text.c_str() + at);
}

// A character that starts with '\' (or any other ASCII byte but CR and LF) is
// always one byte long, so comparing the byte at a character start compares
// the whole character.
size_t LastCharEqual(const TString& text, char c) {
  size_t last = kNone;
  for (size_t at = 0; at < text.Length(); at = NextChar(text, at)) {
    if (text.At(at) == c) last = at;
  }
  return last;
}

bool IsDrivePath(const TString& path) {
  return path.Length() > 0 && path.At(NextChar(path, 0)) == ':';
}

bool IsUncPath(const TString& path) { return path.At(0) == '\\' && path.At(1) == '\\'; }

TString Tail(const TString& text, size_t from) {
  return from >= text.Length() ? TString() : TString(text.c_str() + from, text.Length() - from);
}

// The part of `text` from `from` up to the next '\' (walked by characters);
// `end` receives where that part ends.
TString UpToBackslash(const TString& text, size_t from, size_t* end) {
  size_t at = from;
  while (at < text.Length() && text.At(at) != '\\') at = NextChar(text, at);
  *end = at;
  return TString(text.c_str() + from, at - from);
}

// Decimal digits counted up by one, without leading zeros and without limit
// of size ("099" gives "100", "999" gives "1000").
std::string Incremented(const std::string& digits) {
  const size_t first = digits.find_first_not_of('0');
  std::string number = first == kNone ? std::string("0") : digits.substr(first);
  for (size_t i = number.size(); i-- > 0;) {
    if (number[i] != '9') {
      ++number[i];
      return number;
    }
    number[i] = '0';
  }
  return "1" + number;
}

}  // namespace

TTextList PathComponents(const TString& path) {
  const char* p = path.c_str();
  const size_t n = path.Length();
  std::vector<TString> parts;
  for (size_t at = 0; at < n;) {
    const size_t start = at;
    for (int i = 0; i < 2 && at < n && IsSeparator(p[at]); ++i) ++at;
    while (at < n && !IsSeparator(p[at])) at += CharLength(n - at, p + at);
    parts.emplace_back(p + start, at - start);
    if (at < n) ++at;  // the one separator between two parts
  }

  // The leading parts that anchor the path are never taken back by "..":
  // dropping "C:" or "\\server" would turn the path into a relative one.
  // Above a bare drive or share, ".." means the root itself, as Windows
  // resolves it; a part like "C:name" or "\name" that also carries a name
  // cannot be taken apart, so a ".." after it stays.
  size_t roots = 0;
  bool bareRoot = false;
  if (!parts.empty()) {
    const TString& first = parts.front();
    if (IsSeparator(first.At(0)) && IsSeparator(first.At(1))) {
      roots = 2;
      bareRoot = true;
    } else if (IsSeparator(first.At(0))) {
      roots = 1;
    } else if (IsDrivePath(path)) {
      roots = 1;
      bareRoot = first.Length() == NextChar(path, 0) + 1;
    }
  }

  TTextList result;
  std::vector<TString> kept;
  for (size_t i = 0; i < parts.size(); ++i) {
    const TString& part = parts[i];
    if (i < roots) {
      kept.push_back(part);
    } else if (part == TString(".")) {
      continue;
    } else if (part == TString("..")) {
      if (kept.size() > roots && kept.back() != TString("..")) {
        kept.pop_back();
      } else if (!(bareRoot && kept.size() == roots)) {
        kept.push_back(part);
      }
    } else {
      kept.push_back(part);
    }
  }
  for (const TString& part : kept) result.Append(part);
  return result;
}

TString FolderPart(const TString& path) {
  const size_t last = LastCharEqual(path, '\\');
  return last == kNone ? TString() : Left(path, last + 1);
}

TString FileNamePart(const TString& path) {
  const size_t last = LastCharEqual(path, '\\');
  return last == kNone ? path : Tail(path, last + 1);
}

TString ExtensionOf(const TString& path) {
  size_t dot = kNone;
  for (size_t at = 0; at < path.Length(); at = NextChar(path, at)) {
    if (path.At(at) == '.') dot = at;
    if (path.At(at) == '\\') dot = kNone;
  }
  return dot == kNone ? TString() : Tail(path, dot + 1);
}

TString DriveRoot(const TString& path) {
  if (path.IsEmpty() || NextChar(path, 0) >= path.Length()) return TString();
  if (IsDrivePath(path)) return Left(path, NextChar(path, 0)) + TString(":\\");
  if (!IsUncPath(path)) return TString();
  size_t end = 0;
  const TString server = UpToBackslash(path, 2, &end);
  // "\\" alone names no server; its root is what is written.
  if (server.IsEmpty()) return TString("\\\\");
  const TString share = end < path.Length() ? UpToBackslash(path, end + 1, &end) : TString();
  TString root = TString("\\\\") + server + TString("\\");
  if (!share.IsEmpty()) root += share + TString("\\");
  return root;
}

TString AbsolutePath(const TString& path, const TString& programPath) {
  if (path.Bytes().find(':') != std::string::npos || IsUncPath(path)) return path;
  const TString program = UnquoteText(Trim(programPath));
  // "\name" means the root of the program's drive, not its folder.
  if (path.At(0) == '\\') {
    const TString root = DriveRoot(program);
    if (!root.IsEmpty()) return root + Tail(path, 1);
  }
  return FolderPart(program) + path;
}

TString ProgramPathOf(const TString& commandLine) {
  const TString& line = commandLine;
  size_t start = 0;
  while (line.At(start) == ' ' || line.At(start) == '\t') ++start;
  size_t end = start;
  if (line.At(start) == '"') {
    // Neither '"' nor a blank can be the second byte of a double-byte
    // character, so these byte tests are character tests.
    end = line.Bytes().find('"', start + 1);
    // Without its closing quote the rest of the line is the path.
    if (end == kNone) return Trim(Tail(line, start + 1));
    ++end;
  } else {
    while (end < line.Length() && line.At(end) != ' ' && line.At(end) != '\t') ++end;
  }
  return UnquoteText(Trim(TString(line.c_str() + start, end - start)));
}

TString QuoteText(const TString& text) {
  if (text.At(0) == '"' && LastChar(text) == TString("\"")) return text;
  return TString("\"") + text + TString("\"");
}

TString UnquoteText(const TString& text) {
  if (text.At(0) != '"' || LastChar(text) != TString("\"")) return text;
  if (text.Length() == 1) return TString();
  return TString(text.c_str() + 1, text.Length() - 2);
}

TString ProgramPart(const TString& commandLine) {
  const TString line = Trim(commandLine);
  if (line.At(0) == '\\') {
    for (size_t at = 1; at < line.Length(); at = NextChar(line, at)) {
      if (line.At(at) == '\\') return Left(line, at + 1);
    }
    return line;
  }
  static const std::string kFollowers = "\\/:,;*?\"<>|";
  for (size_t at = 0; at < line.Length(); at = NextChar(line, at)) {
    if (line.At(at) != ' ') continue;
    size_t after = at;
    while (line.At(after) == ' ') ++after;
    const char next = line.At(after);
    if (next != '\0' && kFollowers.find(next) != kNone) return Left(line, at);
    at = after - 1;  // the loop steps over the last space of the run
  }
  return line;
}

TString NextNumberedName(const TString& text) {
  size_t run = kNone;          // start of the digits that end the text so far
  bool afterSpace = true;      // the text start counts as a space
  bool runAllowed = false;
  for (size_t at = 0; at < text.Length(); at = NextChar(text, at)) {
    const char c = text.At(at);
    const bool digit = IsDigitByte(c) && NextChar(text, at) == at + 1;
    if (digit) {
      if (run == kNone) {
        run = at;
        runAllowed = afterSpace;
      }
    } else {
      run = kNone;
    }
    afterSpace = c == ' ';
  }
  if (run == kNone || !runAllowed) return text + TString(" 2");
  return Left(text, run) + TString(Incremented(Tail(text, run).Bytes()));
}

TStringArray ListToArray(const TTextList& list) {
  TStringArray array;
  for (const TString& text : list) array.Append(text);
  return array;
}

TTextList ArrayToList(const TStringArray& array) {
  TTextList list;
  list.AppendAll(array);
  return list;
}
