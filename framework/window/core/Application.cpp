#include <windows.h>

#include "framework/window/core/Application.h"

#include "framework/base/SharedResources.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/core/ProgramHelp.h"

namespace {

TApplicationInfo& Info() {
  static TApplicationInfo info;
  return info;
}

}  // namespace

const TApplicationInfo& Application() { return Info(); }

TString ApplicationName() { return Info().name; }

bool HasSwitch(const char* name) { return FindSwitch(Info().switches, TString(name)) >= 0; }

void SetApplicationInfo(const TApplicationInfo& info) { Info() = info; }

int RunApplication(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show,
                   const char* applicationName, const char* applicationKeyPath, TApplicationMain appMain) {
  TApplicationInfo& info = Info();
  const TCommandLine parsed = ParseCommandLine(TString(GetCommandLineA()));
  info.programPath = parsed.programPath;
  info.helpPath = HelpFilePath(parsed.programPath);
  info.switches = parsed.switches;
  info.files = parsed.files;

  if (FindSwitch(info.switches, TString("/?")) >= 0 || FindSwitch(info.switches, TString("/help")) >= 0) {
    if (OpenHelpFromCommandLine()) return -1;
  }

  CreateGlobalKeyLists(applicationKeyPath);
  info.instance = instance;
  info.previousInstance = previous;
  info.commandLine = TString(commandLine);
  info.showCommand = show;
  info.name = TString(applicationName);
  info.keyPath = TString(applicationKeyPath);

  // COM is not initialised here: the few commands that need it hold a
  // TComScope while they run, so the program at rest holds no COM.
  const int result = appMain(instance, previous, commandLine, show);

  ReleaseSharedResources();
  DestroyGlobalKeyLists();
  return result;
}
