#include <windows.h>

#include "app/AppMain.h"

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "app/RunningCopy.h"
#include "framework/window/core/Application.h"
#include "framework/window/shapes/ModelessShapes.h"

namespace {
// A copy that gives back many windows, some of them slow, takes its time;
// beyond this something holds it (an open question, a dead taskbar).
constexpr DWORD kExitWaitMs = 60000;
}  // namespace

int AppMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (HasSwitch("/exit")) return EndRunningCopy(kExitWaitMs);
  if (FindRunningCopy() != nullptr) return 0;
  {
    TMainWindow mainWindow;
    mainWindow.Run();
    AppState().menuCopy.Reset();
    CloseAllModeless();
  }
  return 0;
}
