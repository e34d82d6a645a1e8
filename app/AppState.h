#pragma once
// Process-wide values of the application, on the user-interface thread only.
#include <windows.h>

#include "app/traymenus/StoredWindowMenus.h"
#include "framework/base/Owners.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/text/TString.h"

constexpr const char kApplicationName[] = "Stowpane";
constexpr const char kTrayIconKeyPath[] = "Software\\Quillon\\Stowpane\\3.x\\TrayIcon";
// The title the main window takes while it is shown as the emergency window.
constexpr const char kEmergencyTitle[] = "Stowpane [応急モード]";
constexpr const char kTaskbarClass[] = "Shell_TrayWnd";

struct TAppState {
  HWND mainWindow = nullptr;
  HWND menuTarget = nullptr;
  bool menuTargetIsSystemMenu = false;
  TMenuCopy menuCopy;  // the copy of a stored window's menu bar last shown
  bool inMenuLoop = false;
};

TAppState& AppState();
