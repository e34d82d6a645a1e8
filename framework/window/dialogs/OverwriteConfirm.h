#pragma once
// The questions asked before a file is overwritten: when it exists, and when
// nobody has changed it for a month. Each is a warning with OK and Cancel
// and the don't-show-again box, so a user may let it answer itself.
#include "framework/text/TString.h"

class TWindow;

// True when the user cancels. Nothing is asked, and false returned, when
// there is no file at `path`.
bool ConfirmOverwriteExisting(const TString& path, const TWindow* owner);
// The same for a file that exists and has not been written to for a month
// (FileAge.h); a file that cannot be opened is not asked about.
bool ConfirmOverwriteOld(const TString& path, const TWindow* owner);
