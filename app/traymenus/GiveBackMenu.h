#pragma once
// The menu a stored window's icon opens when the window's own menus cannot be
// read (another process's menus are out of reach under Wine) or it has none:
// the window's title as a grayed header, then give back (the default) and
// close. The user always gets something to do from the icon.
#include <windows.h>

#include "framework/text/TString.h"

enum class TGiveBackChoice { None, GiveBack, Close };

// Tracks the menu at `at` with the main window as owner and returns the
// choice; nothing is sent anywhere.
TGiveBackChoice ShowGiveBackMenu(const TString& title, POINT at);
// The header's text: one line, ampersands shown, a long title cut short.
TString GiveBackMenuHeader(const TString& title);
// Close as the window's own system menu would: a posted SC_CLOSE, so that a
// window that does not answer cannot hold the program up.
void PostCloseCommand(HWND window);
