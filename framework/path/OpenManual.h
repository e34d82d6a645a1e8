#pragma once
// Help: the HTML manual beside the program, opened in the user's browser at a
// section. The browser's own command gets a file URL, because a file path
// handed to the shell cannot carry the "#section" part.
#include "framework/text/TString.h"

// False when the manual is not there or nothing could open it. When the
// browser's command cannot be found or run, the manual still opens through
// the shell, at its top.
bool OpenManual(const TString& programPath, const TString& section);
