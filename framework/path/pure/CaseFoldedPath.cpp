#include "framework/path/pure/CaseFoldedPath.h"

#include "framework/text/LetterCase.h"
#include "framework/text/ShiftJis.h"

TString FoldedPath(const TString& path) { return ToUpperLetters(path); }

bool SamePathIgnoringCase(const TString& a, const TString& b) {
  return a.Length() == b.Length() && FoldedPath(a) == FoldedPath(b);
}

bool PathStartsWithIgnoringCase(const TString& path, const TString& prefix) {
  if (prefix.Length() > path.Length()) return false;
  // Folding keeps every character's length, so offsets carry over.
  size_t at = 0;
  while (at < prefix.Length()) at += CharLength(path.Length() - at, path.c_str() + at);
  if (at != prefix.Length()) return false;
  return FoldedPath(TString(path.c_str(), at)) == FoldedPath(prefix);
}
