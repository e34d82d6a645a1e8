#pragma once
#include <windows.h>

// The application's main function: ends at once when another copy runs,
// otherwise runs the main window until the program exits.
int AppMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
// True when a main window of a running copy exists (either of its titles).
bool AnotherCopyRuns();
