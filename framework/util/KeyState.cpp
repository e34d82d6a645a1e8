#include <windows.h>

#include "framework/util/KeyState.h"

bool IsKeyDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }
