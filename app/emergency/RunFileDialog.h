#pragma once
// "Run a file by name" of the emergency window: a picker with the earlier
// entries, then the text is started as a program, or handed to the shell.
#include "framework/text/TString.h"

class TWindow;

// Starts `text`; true when something started. Replaceable by tests.
using TRunCall = bool (*)(const TString& text, const TWindow* owner);
void SetRunCall(TRunCall call);  // nullptr restores the real one

// Asks for the text and runs it. Only a text that started something is
// remembered (as the last text and at the head of the history).
void RunFileByName(const TWindow* owner);
