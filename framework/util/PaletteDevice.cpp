#include <windows.h>

#include "framework/util/PaletteDevice.h"

bool IsPaletteFreeDevice(HDC dc) { return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) == 0; }
