#pragma once
// Two folders whose shell icon is not the plain folder icon: the desktop and
// the Start Menu folders. Both get the shell library's own icons for them.
#include "framework/icons/pure/IconProbe.h"
#include "framework/text/TString.h"

enum class TShellIconChoice {
  Desktop,    // SHELL32.DLL resource 35
  StartMenu,  // SHELL32.DLL resource 37
  Plain,      // the shell's icon of the path (or of its type)
};

// `desktop` and `startMenu` are the folders' paths (empty when unknown).
// `byType` is the type icon's variant, which reads nothing off fixed drives
// and RAM disks beyond drive roots.
TShellIconChoice PlanShellIcon(const TString& path, bool byType, const TString& desktop,
                               const TString& startMenu, TIconProbe& probe);
