#include "framework/icons/pure/ShellIconPlan.h"

#include "framework/path/pure/CaseFoldedPath.h"
#include "framework/path/pure/FinalBackslash.h"
#include "framework/path/pure/PathText.h"
#include "framework/text/TStringOps.h"

namespace {

bool IsUnc(const TString& path) { return path.At(0) == '\\' && path.At(1) == '\\'; }

bool EndsWithBackslash(const TString& path) { return LastChar(path) == TString("\\"); }

// Whether the Start Menu test may ask the shell about the folder itself.
bool MayReadFolder(const TString& path, bool byType, TIconProbe& probe) {
  if (!byType) return true;
  if (IsUnc(path)) return false;
  if (path.At(0) == '\\' && path != DriveRoot(path) && !IsLocalDriveType(probe.DriveType(path))) {
    return false;
  }
  return true;
}

}  // namespace

TShellIconChoice PlanShellIcon(const TString& path, bool byType, const TString& desktop,
                               const TString& startMenu, TIconProbe& probe) {
  // "...\Desktop" and "...\Desktop\" name the same folder.
  if (!desktop.IsEmpty() && !path.IsEmpty() &&
      SamePathIgnoringCase(WithFinalBackslash(path), WithFinalBackslash(desktop))) {
    return TShellIconChoice::Desktop;
  }
  // The text tests come first: the shell is asked only about folders below
  // the Start Menu, never about an arbitrary folder on a slow drive.
  if (!startMenu.IsEmpty() && EndsWithBackslash(path) &&
      PathStartsWithIgnoringCase(path, WithFinalBackslash(startMenu)) &&
      MayReadFolder(path, byType, probe) && probe.ShellKnowsFolder(path)) {
    return TShellIconChoice::StartMenu;
  }
  return TShellIconChoice::Plain;
}
