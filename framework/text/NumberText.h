#pragma once
// Numbers as the user types them, brought into one plain form and shown with
// thousands separators.
#include "framework/text/TString.h"

// Trimmed, without ',' separators, without a '+' and leading zeros before
// digits, without trailing fraction zeros; ".5" becomes "0.5", "12.000" "12".
TString NumberText(const TString& text);

// NumberText with the integer digits in groups of three joined by ','; the
// empty text gives "0". A leading '-' stays in front of the groups and the
// fraction is kept as it is.
TString GroupedNumber(const TString& text);
