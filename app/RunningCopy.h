#pragma once
// The copy of the program that runs already, found by its main window.
#include <windows.h>

// The main window of a running copy (either of its titles), or null.
HWND FindRunningCopy();

// "/exit": asks a running copy to end as a close from outside does (every
// stored window is given back, the Startup shortcut stays, no notice waits for
// anyone) and waits for its process to end, at most `timeoutMs`. 0 when no
// copy runs any more, 1 when it is still running. Installers rely on it.
int EndRunningCopy(DWORD timeoutMs);
