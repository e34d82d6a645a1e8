#pragma once
// Whether another program's window answers: the bounded question asked
// before a window is stored, restored or its menu is shown, and at every
// refresh. A hung program costs at most the time-out.
#include <windows.h>

constexpr UINT kStoreProbeTimeoutMs = 5000;
constexpr UINT kRefreshProbeTimeoutMs = 100;

// `titleLength` (optional) receives the window's answer: its title's length
// in UTF-16 units.
bool WindowAnswers(HWND window, UINT timeoutMs, size_t* titleLength = nullptr);
