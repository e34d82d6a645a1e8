#include <windows.h>

#include "app/AppMain.h"
#include "app/AppState.h"
#include "framework/window/core/Application.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
  return RunApplication(instance, previous, commandLine, show, kApplicationName, kApplicationKeyPath, AppMain);
}
