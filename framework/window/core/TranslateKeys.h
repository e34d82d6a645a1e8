#pragma once
// Keyboard pre-translation of a shape: its accelerators, Enter for the default
// button, and Alt+F5 / Alt+F3 for the system-menu extras.
#include <windows.h>

#include "framework/window/core/Accelerators.h"

bool TranslateKeys(const TAcceleratorTable& accelerators, HWND hwnd, const MSG& msg);

// Whether a child is a default push button of ours; the owner-drawn push
// buttons register this answer when they exist.
using DefaultButtonTest = bool (*)(HWND button);
void SetDefaultButtonTest(DefaultButtonTest test);

// A control that reads key presses as data (a field that records a key)
// carries this window property: the keys it is sent go straight to it, not to
// the shape's accelerators, mnemonics or dialog keys. Tab, Enter and Esc
// pressed alone still move on, press the default button and cancel.
constexpr char kTakesKeysProperty[] = "TakesKeys";
bool TakesKeysItself(const MSG& msg);
