#pragma once
// Texts from the string table. Interface texts pass through a display
// conversion before they are shown; callers name it (normally ToDisplayText)
// rather than this layer reaching up into the window framework. Without one
// the text comes back as stored.
#include <windows.h>

#include "framework/util/TString.h"

using TTextConversion = TString (*)(const TString& text);

// String `id` of `module` (at most 1023 bytes), converted by `display` when
// given. Empty when the string does not exist.
TString StringResource(HINSTANCE module, UINT id, TTextConversion display = nullptr);

// The same from the program's own module.
TString StringResource(UINT id, TTextConversion display = nullptr);
