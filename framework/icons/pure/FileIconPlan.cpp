#include "framework/icons/pure/FileIconPlan.h"

#include <string>

#include "framework/path/pure/CaseFoldedPath.h"
#include "framework/path/pure/PathText.h"
#include "framework/text/LetterCase.h"
#include "framework/text/ShiftJis.h"

namespace {

size_t FindPlaceholder(const TString& text) {
  for (size_t at = 0; at < text.Length(); at += CharLength(text.Length() - at, text.c_str() + at)) {
    if (text.At(at) == '%' && text.At(at + 1) == '1') return at;
  }
  return std::string::npos;
}

bool IsUnc(const TString& path) { return path.At(0) == '\\' && path.At(1) == '\\'; }

TString LowerExtension(const TString& path) { return ToLowerLetters(ExtensionOf(path)); }

// Step 2: a path whose registered icon is the file itself (or none) shows
// what the shell shows for it, where the file may be read.
bool ShowsOwnShellIcon(const TString& path, TIconProbe& probe) {
  const bool local = IsLocalDriveType(probe.DriveType(path));
  // A drive root is asked even off fixed drives: the shell answers for the
  // drive from its type without reading the medium.
  const bool driveRoot = !IsUnc(path) && path == DriveRoot(path);
  return (local || driveRoot) && probe.ShellKnowsFile(path);
}

}  // namespace

bool HasWildcard(const TString& path) {
  // Neither byte is ever the second byte of a double-byte character.
  return path.Bytes().find_first_of("*?") != std::string::npos;
}

TString ReplaceFirstPlaceholder(const TString& text, const TString& value) {
  const size_t at = FindPlaceholder(text);
  if (at == std::string::npos) return text;
  return TString(text.Bytes().substr(0, at) + value.Bytes() + text.Bytes().substr(at + 2));
}

TFileIconPlan PlanFileIcon(const TString& path, const TIconLocation& location, TIconProbe& probe) {
  // An empty text names no file; asking about it would ask about the
  // current folder.
  if (path.IsEmpty()) return {TFileIconChoice::Fallback, path, 0};
  const bool namesItself =
      location.path.IsEmpty() || FindPlaceholder(location.path) != std::string::npos;
  if (namesItself && !HasWildcard(path) && ShowsOwnShellIcon(path, probe)) {
    return {TFileIconChoice::ShellFile, path, 0};
  }

  TString target;
  if (!location.path.IsEmpty()) {
    target = ReplaceFirstPlaceholder(location.path, path);
    // A pattern put in for "%1" is no file to look at.
    if (!HasWildcard(target) && IsLocalDriveType(probe.DriveType(target)) && probe.Exists(target)) {
      const TString extension = LowerExtension(target);
      if (extension == TString("ico")) return {TFileIconChoice::IconFile, target, 0};
      if (extension != TString("bmp") && probe.CanMapModule(target)) {
        return {TFileIconChoice::ModuleIcon, target, location.index};
      }
    }
  }

  if (probe.ShellKnowsType(path)) return {TFileIconChoice::ShellType, path, 0};

  if (!target.IsEmpty() && SamePathIgnoringCase(target, path)) {
    const bool program = LowerExtension(path) == TString("exe");
    return {program ? TFileIconChoice::StockApplication : TFileIconChoice::StockWinLogo, path, 0};
  }
  return {TFileIconChoice::Fallback, path, 0};
}
