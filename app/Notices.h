#pragma once
// The program's notices: what the standby switch now does, and that the
// program starts with the system or no longer does. Each has a box that
// stops it from being shown again.
#include "framework/text/TString.h"

class TWindow;

void ShowStandbyNotice(const TWindow* owner, bool on);
void ShowRegisterNotice(const TWindow* owner);
void ShowUnregisterNotice(const TWindow* owner, const TString& programPath);
