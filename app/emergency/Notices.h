#pragma once
// The program's notices: what the standby switch now does, that the
// program starts with the system or no longer does, and that a global key is
// held by another program. Each has a box that stops it from being shown again.
#include <vector>

#include "framework/text/TString.h"

class TWindow;

void ShowStandbyNotice(const TWindow* owner, bool on);
void ShowRegisterNotice(const TWindow* owner);
void ShowUnregisterNotice(const TWindow* owner, const TString& programPath);
// `keys`: the texts of the keys that could not be had.
void ShowHotKeyTakenNotice(const TWindow* owner, const std::vector<TString>& keys);
