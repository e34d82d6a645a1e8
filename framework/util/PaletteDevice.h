#pragma once
// Whether a device shows colours directly (no palette to realise before
// drawing bitmaps and gradients).
#include <windows.h>

bool IsPaletteFreeDevice(HDC dc);
