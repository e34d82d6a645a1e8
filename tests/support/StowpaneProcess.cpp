#include <windows.h>

#include "tests/support/StowpaneProcess.h"

#include "tests/support/HarnessPaths.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/WindowQueries.h"
#include "tests/support/pure/CommandLineQuoting.h"

bool StowpaneProcess::Start(const std::string& arguments, const std::string& program) {
  const std::string path = program.empty() ? ProgramPath("Stowpane.exe") : program;
  std::string commandLine = QuoteArgument(path);
  if (!arguments.empty()) commandLine += " " + arguments;
  mainWindow_ = nullptr;
  if (!showStartupNotices_) {
    WriteHkcuDword(kStereotypeKey, "Register", IDOK);
    WriteHkcuDword(kStereotypeKey, "Unregister", IDOK);
  }
  return process_.Start(commandLine);
}

namespace {

// The program's other shapes (settings, questions, version) are owned by the
// main window; the main window has no owner.
std::vector<HWND> UnownedShapes(DWORD processId) {
  WindowFilter filter;
  filter.className = kMainWindowClass;
  filter.processId = processId;
  std::vector<HWND> main;
  for (HWND window : FindTopLevelWindows(filter)) {
    if (GetWindow(window, GW_OWNER) == nullptr) main.push_back(window);
  }
  return main;
}

}  // namespace

HWND StowpaneProcess::WaitForMainWindow(DWORD timeoutMs) {
  mainWindow_ = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> found = UnownedShapes(process_.Id());
        if (!found.empty()) mainWindow_ = found.front();
        return mainWindow_ != nullptr;
      },
      timeoutMs);
  return mainWindow_;
}

bool StowpaneProcess::Exit(DWORD timeoutMs) {
  if (mainWindow_ == nullptr) WaitForMainWindow(timeoutMs);
  if (mainWindow_ == nullptr) return false;
  PostMessageA(mainWindow_, WM_COMMAND, kExitCommand, 0);
  return process_.WaitForExit(timeoutMs);
}

size_t CountMainWindows() { return UnownedShapes(0).size(); }
