#pragma once
// Plays the user in a popup menu that another program opened: the keys are
// posted to the menu's own window, whose modal loop reads them as typed.
#include <windows.h>

#include <vector>

// The visible popup menu window ("#32768") of `processId`, waiting up to `timeoutMs`; null when none opened.
HWND WaitForOpenMenu(DWORD processId, DWORD timeoutMs);
// Posts key-downs and key-ups of `keys` (virtual-key codes) to the open menu
// of `processId`. False when no menu opened within `timeoutMs`.
bool PressKeysInOpenMenu(DWORD processId, const std::vector<UINT>& keys, DWORD timeoutMs);
