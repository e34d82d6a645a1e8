#pragma once
// The program's command line: tokens, switches ("/name" or "/name:value",
// matched without regard to letter case up to the ':') and file arguments.
#include "framework/text/TString.h"
#include "framework/text/TTextList.h"

struct TCommandLine {
  TString programPath;  // the first token without its surrounding quotes
  TTextList switches;   // every token that begins with '/'
  TTextList files;      // the other arguments, joined across blanks
};

// Splits at blanks, TAB, CR and LF; a quoted run stays whole (quotes kept) and
// a double-byte character is never split.
TTextList SplitCommandLine(const TString& text);
TCommandLine ParseCommandLine(const TString& text);
// Index of the switch whose name (the part before its first ':') equals
// `name` ignoring ASCII letter case, or -1.
int FindSwitch(const TTextList& switches, const TString& name);
// The text after the switch's first ':' (empty when there is none).
TString SwitchValue(const TString& switchText);
// Drops one leading and one trailing double quote where present.
TString StripQuotes(const TString& text);
// The file a line typed to be run names: the quoted run it opens with, when
// it opens with a quote (a program with its arguments); else the whole line,
// which may be a path with blanks. Surrounding blanks do not count.
TString NamedFile(const TString& line);
// The program path with its extension replaced by ".HLP".
TString HelpFilePath(const TString& programPath);
