#include <windows.h>

#include "app/AppMain.h"

#include "app/AppState.h"
#include "app/MainWindow.h"
#include "framework/window/DisplayText.h"
#include "framework/window/ModelessShapes.h"
#include "framework/window/TShape.h"

bool AnotherCopyRuns() {
  // The titles are searched in their display form, as they were set.
  const TString normal = ToDisplayText(kApplicationName);
  const TString emergency = ToDisplayText(kEmergencyTitle);
  return FindWindowA(TShape::kClassName, normal.c_str()) != nullptr ||
         FindWindowA(TShape::kClassName, emergency.c_str()) != nullptr;
}

int AppMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (AnotherCopyRuns()) return 0;
  {
    TMainWindow mainWindow;
    mainWindow.Run();
    AppState().menuCopy.Reset();
    CloseAllModeless();
  }
  return 0;
}
