#pragma once
// The system's open and save dialogs around a TFile: they start in the
// folder of the file's current path with its name proposed, select the
// filter pair that fits its extension (FilterIndex.h), and give the focus
// back to the window that had it.
#include <windows.h>

#include "framework/path/FileObject.h"

// `filter` is the dialog's double-NUL block of (description, pattern)
// pairs; `defaultExtension` (without its dot, may be null) is appended to a
// typed name that has none. With `readOnly` the dialog shows the read-only
// box, starting from and writing back its state; without it the box is
// hidden. True, and the file's path replaced, when the user confirms.
bool ChooseFileToOpen(TFile& file, HWND owner, const char* filter, const char* defaultExtension, bool* readOnly,
                      const char* title);
bool ChooseFileToSave(TFile& file, HWND owner, const char* filter, const char* defaultExtension,
                      const char* title);
