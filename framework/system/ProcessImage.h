#pragma once
// The program file another process runs, for showing what a window belongs
// to when the window itself cannot tell.
#include <windows.h>

#include "framework/text/TString.h"

// The full path of the program file of the process that owns `window`; empty
// when the process cannot be opened or asked.
TString WindowProgramPath(HWND window);
