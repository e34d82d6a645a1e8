#pragma once
// Windows paths as text: parts, quoting, numbered names. Nothing here touches
// the file system (PathFiles.h does). Every operation walks the text by
// Shift-JIS characters, so the second byte of a double-byte character, which
// may be 0x5C, is never taken for a '\'.
//
// A drive path has ':' as its second character, a UNC path starts with "\\",
// every other path is relative. Folder results keep their final '\'.
#include "framework/text/TString.h"
#include "framework/text/TStringArray.h"
#include "framework/text/TTextList.h"

// The drive type given to UNC paths: they are known to be remote without
// asking the network.
constexpr unsigned kUncDriveType = 0x2222;

// The parts between separators ('\' or '/'). The first part of a UNC path is
// "\\server", that of a root-relative path "\folder". "." is dropped; ".."
// takes back the part before it, but never a drive ("C:"), a UNC server or
// share, or another ".."; above a drive or share root it is dropped, and
// where nothing can be taken back it is kept.
TTextList PathComponents(const TString& path);

// Up to and including the last '\'; empty when there is none.
TString FolderPart(const TString& path);
// After the last '\'; the whole text when there is none.
TString FileNamePart(const TString& path);
// After the last '.' of the file name, without the dot; empty when the name
// has no '.' or ends with it.
TString ExtensionOf(const TString& path);
// "C:\" for a drive path, "\\server\share\" (or "\\server\") for a UNC path,
// empty otherwise.
TString DriveRoot(const TString& path);

// A path with a ':' or a leading "\\" as it is; a root-relative path on the
// drive of `programPath`; any other path in the folder of `programPath`
// (which may still carry blanks and quotes from the command line).
TString AbsolutePath(const TString& path, const TString& programPath);
// The program's path from a command line: its first argument (quoted or up
// to the first blank), trimmed and without its quotes.
TString ProgramPathOf(const TString& commandLine);

// Between two '"' unless it already starts and ends with one.
TString QuoteText(const TString& text);
// Without a '"' at each end (a lone '"' gives the empty text); else as is.
TString UnquoteText(const TString& text);

// The program of a typed command line: up to the second '\' when it starts
// with '\'; before the first run of spaces that a switch or another path
// follows (\ / : , ; * ? " < > |); else the whole trimmed text.
TString ProgramPart(const TString& commandLine);

// A default name for a new entry: a final number that starts the text or
// follows a space is counted up ("x 2" -> "x 3"), else " 2" is appended.
TString NextNumberedName(const TString& text);

TStringArray ListToArray(const TTextList& list);
TTextList ArrayToList(const TStringArray& array);
