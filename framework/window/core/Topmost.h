#pragma once
// Always on top for a window of this program that owns other windows, alike
// under Windows and Wine. Wine 8 does not move an owner into the topmost band
// through SetWindowPos(HWND_TOPMOST) once it owns any window, shown or hidden:
// only the owned windows go there. Windows moves the owner and all it owns.
#include <windows.h>

// Puts `window` above every window that is not topmost, with WS_EX_TOPMOST,
// without activating it. Owned windows on screen (an open question) go on
// above it; hidden ones (a closed modeless dialog) keep their band, so that
// they are not topmost on their own once the window leaves the top, and are
// placed above the window when they are opened. Returns whether the window
// ended topmost.
bool MakeTopmost(HWND window);
