#pragma once
// Windows the program must never hide, whatever lists them: its own (a
// question or the settings dialog stored would take the way back with it),
// the shell's (the desktop, the taskbars, the window that holds the
// notification area: under Wine a plain top-level window, and hiding it
// hides every tray icon, ours included), and a child window, part of another
// (an edited value may name one).
#include <windows.h>

bool IsNeverStored(HWND window);
