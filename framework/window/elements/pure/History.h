#pragma once
// The history of a list or combo box: texts the user entered, most recent
// first. A text entered again moves to the top instead of appearing twice,
// and a limit keeps the list short. Each entry is persisted under its index
// written with six digits ("000000", "000001", ...).
#include <string>
#include <vector>

#include "framework/text/TString.h"

constexpr int kNoHistoryLimit = -1;

// Puts `text` at the top of `history`; an equal entry (compared byte for
// byte) is removed first. Entries from index `limit` on are then dropped; a
// negative limit (kNoHistoryLimit) keeps them all, and 0 keeps none.
void AddToHistory(std::vector<TString>& history, const TString& text, int limit);

// The value name of entry `index`: "%6.6d".
std::string HistoryValueName(size_t index);
