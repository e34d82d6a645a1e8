#pragma once
// The framework's application object: the process arguments and the values
// derived from them, set before the application's main function runs.
#include <windows.h>

#include "framework/path/pure/CommandLine.h"
#include "framework/text/TString.h"

struct TApplicationInfo {
  HINSTANCE instance = nullptr;
  HINSTANCE previousInstance = nullptr;
  TString commandLine;
  int showCommand = SW_SHOWNORMAL;
  TString name;
  TString keyPath;
  TString programPath;
  TString helpPath;
  TTextList switches;
  TTextList files;
};

const TApplicationInfo& Application();
TString ApplicationName();
bool HasSwitch(const char* name);

using TApplicationMain = int (*)(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show);

// The process entry: parses the command line ("/?" and "/help" open the help
// and end with -1 when it could be opened), builds the global key lists,
// runs `appMain` and releases everything in order.
int RunApplication(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show,
                   const char* applicationName, const char* applicationKeyPath, TApplicationMain appMain);

// Sets the process-wide values without running anything (tests).
void SetApplicationInfo(const TApplicationInfo& info);
