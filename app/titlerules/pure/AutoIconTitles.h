#pragma once
// The title list of the auto-iconize settings, without its windows: the name a
// new or copied entry takes, what a finished in-place edit does to its entry,
// where the selection goes after a removal, and how the typed watch time is
// read. Entries compare byte for byte, as the list shows them.
#include "framework/text/TString.h"
#include "framework/text/TTextList.h"

// `text`, or its next numbered form ("x" -> "x 2" -> "x 3") until it equals
// no entry of `titles`.
TString FreeTitle(const TTextList& titles, const TString& text);

// A confirmed edit of the entry that showed `working`: a text another entry
// already holds is refused (the user is asked), an empty text removes the
// entry, any other text replaces it.
enum class TTitleEdit { Duplicate, Remove, Replace };
TTitleEdit JudgeTitleEdit(const TTextList& titles, const TString& working, const TString& typed);

// The entry to select after the one at `removedAt` went and `remaining`
// entries are left: the same place, or the last entry when it was the last;
// -1 when the list is empty.
int SelectionAfterRemoval(int remaining, int removedAt);

// The watch time typed into its box: decimal digits, optionally signed and
// surrounded by spaces, clamped to lower..upper however long they are; any
// other text keeps `current`.
int ReadWatchTime(const TString& text, int lower, int upper, int current);
