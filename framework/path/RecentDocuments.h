#pragma once
// The user's recent documents: the targets of the shortcuts in the shell's
// recent-documents folder, in the folder's listing order. COM must be
// initialised on the calling thread.
#include <string_view>

#include "framework/text/TString.h"
#include "framework/text/TTextList.h"

// With a dialog filter (see FilterExtensions.h), only targets whose extension
// the filter names; an empty `filter` means none. Entries that are not
// readable shortcuts, or lead to no file path, contribute nothing.
TTextList RecentDocuments(std::string_view filter = {});

// The same over the shortcuts in `folder` (not its sub-folders); an empty
// folder name gives an empty list.
TTextList RecentDocumentsIn(const TString& folder, std::string_view filter = {});
