#include <windows.h>

#include "framework/icons/SystemIconProbe.h"

#include "framework/icons/ModuleCache.h"
#include "framework/icons/ShellInfoIcon.h"
#include "framework/path/PathFiles.h"

unsigned TSystemIconProbe::DriveType(const TString& path) { return DriveTypeOf(path); }

bool TSystemIconProbe::ShellKnowsType(const TString& path) {
  return static_cast<bool>(ShellTypeInfoIcon(path, 0));
}

bool TSystemIconProbe::ShellKnowsFile(const TString& path) {
  return ShellHasIcon(path, FILE_ATTRIBUTE_ARCHIVE, 0);
}

bool TSystemIconProbe::ShellKnowsFolder(const TString& path) {
  return ShellHasIcon(path, FILE_ATTRIBUTE_DIRECTORY, 0);
}

bool TSystemIconProbe::Exists(const TString& path) { return PathExists(path); }

bool TSystemIconProbe::CanMapModule(const TString& path) { return FindModuleEntry(path) != nullptr; }

TIconProbe& SystemIconProbe() {
  static TSystemIconProbe probe;
  return probe;
}
