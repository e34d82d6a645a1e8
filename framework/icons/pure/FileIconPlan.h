#pragma once
// Where the icon of an arbitrary path comes from, decided in a fixed order:
// the shell's own icon of the file, the icon its type registers, the shell's
// icon for its type, a stock icon, the caller's fallback. Files on removable,
// optical and network drives are never read (a sleeping CD drive or a dead
// share would stall the menu that asked); only the registry and the shell's
// type icons serve them.
#include "framework/icons/pure/IconLocation.h"
#include "framework/icons/pure/IconProbe.h"
#include "framework/text/TString.h"

enum class TFileIconChoice {
  ShellFile,         // the shell's icon of the existing file or folder `path`
  IconFile,          // the .ico file `path`
  ModuleIcon,        // icon `index` of the module `path`
  ShellType,         // the shell's icon for paths like `path`
  StockApplication,  // a program that names itself but has no icon
  StockWinLogo,      // any other file that names itself
  Fallback,          // the caller's fallback
};

struct TFileIconPlan {
  TFileIconChoice choice = TFileIconChoice::Fallback;
  TString path;
  int index = 0;
};

// `location` is the path's registered icon (ReadIconLocation of
// DefaultIconOf), "%1" standing for the path itself.
TFileIconPlan PlanFileIcon(const TString& path, const TIconLocation& location, TIconProbe& probe);

// `text` with its first "%1" (at a character boundary) replaced by `value`.
TString ReplaceFirstPlaceholder(const TString& text, const TString& value);
// A '*' or '?' anywhere: a pattern, never a file to open.
bool HasWildcard(const TString& path);
