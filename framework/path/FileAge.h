#pragma once
// The age of a file's contents, for the warning before overwriting one that
// nobody has changed in a long while.
#include "framework/text/TString.h"

// The file's last-write date and today, both as UTC dates, meet the month
// rule of MonthRule.h. A file that cannot be opened for reading is not old.
bool FileUnchangedForAMonth(const TString& path);
