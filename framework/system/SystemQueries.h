#pragma once
// Small questions to the running system, each a function of its own.
#include <windows.h>

#include <cstdint>

// The system's version word (see VersionWord.h) and platform ID, asked once
// and kept for the life of the process. Both are 0 when the system does not
// answer.
uint32_t SystemVersionWord();
uint32_t SystemPlatformId();

// Whether the program runs under Wine rather than Windows: Wine's ntdll
// exports wine_get_version, Windows' never does. Asked once per process.
bool RunsUnderWine();

// Whether the taskbar is the rebar kind (a "ReBarWindow32" band host inside
// "Shell_TrayWnd"). Asked once per process: the answer describes the shell the
// program started under and stays even if the taskbar is restarted.
bool HasRebarTaskbar();

// Whether a virtual key is down as of the message being handled (GetKeyState,
// not the asynchronous state: a click handler sees the Shift of its click).
bool IsKeyDown(int virtualKey);

// Whether a device shows colours directly (no palette to realise before
// drawing bitmaps and gradients).
bool IsPaletteFreeDevice(HDC dc);
