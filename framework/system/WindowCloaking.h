#pragma once
// Whether the compositor keeps a window out of sight although the system
// calls it visible: a window on another virtual desktop, a suspended or
// prelaunched app. Nobody sees such a window, so nobody means to store it.
#include <windows.h>

bool IsWindowCloaked(HWND window);
