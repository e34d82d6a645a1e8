#pragma once
// The system sound alias that belongs to a message box's icon, by its
// message-box style or by its stock icon ID. Unknown values take ".Default".
#include <cstdint>

// `style` is a message-box style; only its icon bits (MB_ICONMASK, 0xF0)
// count, so a whole style such as MB_YESNO | MB_ICONQUESTION works too.
const char* SoundAliasForStyle(uint32_t style);

// `iconId` is a stock icon ID (IDI_HAND 32513 ... IDI_ASTERISK 32516).
const char* SoundAliasForIcon(uintptr_t iconId);
