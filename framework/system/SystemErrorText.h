#pragma once
// The system's description of an error code, for messages shown to the user.
#include <windows.h>

#include "framework/text/TString.h"

// The text for `code` in the user's language, without the final line break;
// empty when the system knows no text for it. With a `source` module, that
// module's message table is searched before the system's (network and other
// component errors).
TString SystemErrorText(DWORD code, HMODULE source = nullptr);
