#pragma once
#include <windows.h>

// The application's main function: ends at once when another copy runs,
// otherwise runs the main window until the program exits. With "/exit" it
// ends the running copy instead (RunningCopy.h).
int AppMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);
