#pragma once
// Command ids of the tray menu, the emergency menu and the main window.
enum : int {
  kCommandStoreAll = 106,
  kCommandRestoreAll = 107,
  kCommandAutoIconSettings = 108,
  kCommandStandbyCure = 109,
  kCommandCloseEmergency = 110,
  kCommandTaskManager = 111,
  kCommandRunFile = 112,
  kCommandExitWindows = 113,
  kCommandExit = 199,
  kCommandHelp = 901,
  kCommandVersion = 905,
  kCommandAutoIconDialogClosed = 1000,
  kCommandFirstCandidate = 3000,
};

constexpr unsigned kMainTimerId = 1000;
// Runs for the system's double-click time after a left click on a tray icon.
constexpr unsigned kPendingClickTimerId = 1001;
constexpr int kStatusBarId = 5589;
