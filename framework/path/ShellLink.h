#pragma once
// Shell shortcut (.lnk) files through the shell-link object. COM must be
// initialised on the calling thread. Each step runs only after the previous
// one succeeded; what was acquired is released on every path.
#include "framework/text/TString.h"

// Writes a shortcut at `linkPath` that starts `target` with `arguments`. An
// empty `iconPath` leaves the icon location unset (the target's own icon).
// Working folder, description, show command and hot key stay unset.
bool CreateShortcut(const TString& linkPath, const TString& target, const TString& arguments,
                    const TString& iconPath = TString(), int iconIndex = 0);

// Reads the shortcut at `linkPath`; each output that is not null is filled,
// and only when the whole read succeeded (a failed read leaves them alone).
// A shortcut without an icon location gives an empty icon path.
bool ReadShortcut(const TString& linkPath, TString* target, TString* arguments = nullptr,
                  TString* iconPath = nullptr, int* iconIndex = nullptr);
