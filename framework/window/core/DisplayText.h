#pragma once
// The display form of interface texts: the program writes its katakana
// half-width; they are shown half- or full-width as chosen once per process
// ("FontStyle" in "View", else by the look of the taskbar). Quoted runs (other
// programs' titles, file names) are never changed.
#include "framework/text/TString.h"

TString ToDisplayText(const TString& text);

// The per-process choice, as decided from a "FontStyle" value (absent counts
// as 0) and the rebar test. True: katakana shown full-width.
bool DisplayFullWidthKana(unsigned long fontStyle, bool rebarTaskbar);
// Forgets the per-process choice (tests that change "FontStyle").
void ResetDisplayTextChoice();
