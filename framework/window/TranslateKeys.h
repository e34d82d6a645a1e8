#pragma once
// Keyboard pre-translation of a shape: its accelerators, Enter for the default
// button, and Alt+F5 / Alt+F3 for the system-menu extras.
#include <windows.h>

#include "framework/window/Accelerators.h"

bool TranslateKeys(const TAcceleratorTable& accelerators, HWND hwnd, const MSG& msg);

// Whether a child is a default push button of ours; the owner-drawn push
// buttons register this answer when they exist.
using DefaultButtonTest = bool (*)(HWND button);
void SetDefaultButtonTest(DefaultButtonTest test);
