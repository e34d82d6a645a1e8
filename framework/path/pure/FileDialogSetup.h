#pragma once
// What the open and save dialogs start from, taken from the file's current
// path: the folder they show and the name they propose.
#include <cstddef>

#include "framework/text/TString.h"

// The dialogs' file-name buffer, terminator included.
constexpr size_t kDialogFileBuffer = 260;

// The folder part of `path` without its final '\', or `desktop` (treated the
// same) when the path names no folder. A drive root keeps its '\': "C:"
// alone would mean the drive's current folder, not its root.
TString InitialDialogFolder(const TString& path, const TString& desktop);
// The file-name part of `path`, cut to whole characters so that it fits the
// dialog's buffer with its terminator.
TString ProposedFileName(const TString& path);
