#pragma once
// System sounds for message boxes. Both return at once: the sound plays in the
// background, and nothing plays when the sound device is busy.
#include <cstdint>

// By message-box style (MB_ICONHAND ... MB_ICONASTERISK; 0 and others play
// ".Default").
void PlaySystemSound(uint32_t style);

// By stock icon: IDI_HAND ... IDI_ASTERISK as given to LoadIcon (an integer
// resource); names and other IDs play ".Default".
void PlaySoundForIcon(const char* stockIcon);
