#pragma once
// Texts from the string table. They are shown to the user, so by default they
// come in their display form (ToDisplayText): no caller can forget it. Only
// code that compares or stores the text as written asks for the stored form.
#include <windows.h>

#include "framework/text/TString.h"

enum class TTextForm { Display, Stored };

// String `id` of `module` (at most 1023 bytes, never cut inside a character).
// Empty when the string does not exist.
TString StringResource(HINSTANCE module, UINT id, TTextForm form = TTextForm::Display);

// The same from the program's own module.
TString StringResource(UINT id, TTextForm form = TTextForm::Display);
