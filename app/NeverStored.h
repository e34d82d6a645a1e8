#pragma once
// Windows the program must never hide, whatever lists them: its own (a
// question or the settings dialog stored would take the way back with it),
// the taskbar, and the window that holds the notification area (under Wine
// a plain top-level window: hiding it hides every tray icon, ours included).
#include <windows.h>

bool IsNeverStored(HWND window);
