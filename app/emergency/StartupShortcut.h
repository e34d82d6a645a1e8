#pragma once
// The shortcut in the user's Startup folder that starts the program with
// "/restore" at every logon: written at each start by the user, deleted by
// the exit command.
#include "framework/text/TString.h"

// Empty when the Startup folder cannot be found: the shortcut is then never
// written anywhere else.
TString StartupShortcutPath();
// True only when the shortcut was written.
bool RegisterStartup(const TString& programPath);
void UnregisterStartup();
