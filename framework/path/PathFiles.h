#pragma once
// Paths checked against the file system: the canonical long and short forms
// of a path, existence tests and drive classification. The pure text side is
// PathText.h.
#include "framework/path/pure/PathText.h"
#include "framework/text/TString.h"

// This program's own path: the first command-line argument, trimmed and
// without its quotes.
TString ProgramPath();
// A relative path made absolute against this program's folder.
TString AbsolutePath(const TString& path);

// The path with each component as the file system stores it (letter case,
// long names). Components from the first one that is not found (or holds a
// wildcard) on are kept as written; a final '\' is kept.
TString LongPathForm(const TString& path);
// The same with 8.3 names where the file system has them.
TString ShortPathForm(const TString& path);

// Something answers to the path (a file, a folder, or a wildcard match).
bool PathExists(const TString& path);
// The path names a folder (a drive root included).
bool FolderExists(const TString& path);
// kUncDriveType for a UNC path, else GetDriveTypeA of its drive root (of the
// current drive for a relative path).
unsigned DriveTypeOf(const TString& path);
// The existence test on fixed drives and RAM disks; true on removable,
// optical, network and unknown drives, which are not touched; false for a
// drive that does not exist.
bool ExistsUnlessRemote(const TString& path);
