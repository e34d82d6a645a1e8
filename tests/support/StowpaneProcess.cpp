#include <windows.h>

#include "tests/support/StowpaneProcess.h"

#include "tests/support/HarnessPaths.h"
#include "tests/support/WindowQueries.h"
#include "tests/support/pure/CommandLineQuoting.h"

bool StowpaneProcess::Start(const std::string& arguments, const std::string& program) {
  const std::string path = program.empty() ? ProgramPath("Stowpane.exe") : program;
  std::string commandLine = QuoteArgument(path);
  if (!arguments.empty()) commandLine += " " + arguments;
  mainWindow_ = nullptr;
  return process_.Start(commandLine);
}

HWND StowpaneProcess::WaitForMainWindow(DWORD timeoutMs) {
  WindowFilter filter;
  filter.className = kMainWindowClass;
  filter.processId = process_.Id();
  mainWindow_ = WaitForWindow(filter, timeoutMs);
  return mainWindow_;
}

bool StowpaneProcess::Exit(DWORD timeoutMs) {
  if (mainWindow_ == nullptr) WaitForMainWindow(timeoutMs);
  if (mainWindow_ == nullptr) return false;
  PostMessageA(mainWindow_, WM_COMMAND, kExitCommand, 0);
  return process_.WaitForExit(timeoutMs);
}

size_t CountMainWindows() {
  WindowFilter filter;
  filter.className = kMainWindowClass;
  return FindTopLevelWindows(filter).size();
}
