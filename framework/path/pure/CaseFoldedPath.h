#pragma once
// Path comparisons without regard to letter case, as the file system makes
// them: ASCII and full-width Latin letters fold, and texts are stepped by
// Shift-JIS characters so a trail byte is never folded or split.
#include "framework/text/TString.h"

// The form under which two paths that name the same file compare equal
// byte for byte (a cache key).
TString FoldedPath(const TString& path);
bool SamePathIgnoringCase(const TString& a, const TString& b);
// `prefix` matches the start of `path` and ends where a character of `path`
// ends. An empty prefix matches every path.
bool PathStartsWithIgnoringCase(const TString& path, const TString& prefix);
