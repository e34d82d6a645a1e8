#pragma once
// The program's help. The WinHelp file beside the program is used where it and
// a viewer for it exist (Windows before Vista, Wine); everywhere else, which
// is every Windows since Vista, the HTML manual beside the program opens in
// the browser, at the section that belongs to the window asking.
#include <windows.h>

#include "framework/text/TString.h"

// The help file is there and something can show it.
bool WinHelpUsable();

// WinHelpA(owner, help file, command, data) where WinHelp is usable, else the
// manual at `section` (an element id; empty for its start). False when
// neither could be opened.
bool ShowProgramHelp(HWND owner, UINT winHelpCommand, ULONG_PTR winHelpData, const TString& section);

// For "/?" and "/help": the help file through the shell where WinHelp is
// usable, else the manual from its start. False when neither opened, so the
// program starts as usual.
bool OpenHelpFromCommandLine();
