#pragma once
// Stowpane.exe as the end-to-end tests start it: its main window is found by
// class and title within its own process, and it is told to exit through its
// exit command, as the tray menu does.
#include <windows.h>

#include <string>

#include "tests/support/ChildProcess.h"

constexpr const char* kMainWindowClass = "ShapeClass";
constexpr const char* kMainWindowTitle = "Stowpane";
constexpr const char* kApplicationKey = "Software\\Quillon\\Stowpane\\3.x";
constexpr const char* kTrayIconKey = "Software\\Quillon\\Stowpane\\3.x\\TrayIcon";
constexpr const char* kStereotypeKey = "Software\\Quillon\\Stowpane\\3.x\\WithoutStereotype";
constexpr const char* kViewKey = "Software\\Quillon\\VellumLibrary\\View";
constexpr UINT kExitCommand = 199;

class StowpaneProcess {
 public:
  // Starts `program` (Stowpane.exe of the build when empty) with `arguments`.
  // Unless told otherwise, the notices of every start by the user and of the
  // exit command are answered beforehand, as by their don't-show-again box.
  bool Start(const std::string& arguments = std::string(), const std::string& program = std::string());
  void ShowStartupNotices(bool show) { showStartupNotices_ = show; }
  // Its main window, waiting up to `timeoutMs`; null when none appeared.
  HWND WaitForMainWindow(DWORD timeoutMs = 10000);
  // Posts the exit command and waits for the process to end.
  bool Exit(DWORD timeoutMs = 10000);
  ChildProcess& Process() { return process_; }
  HWND MainWindow() const { return mainWindow_; }

 private:
  ChildProcess process_;
  HWND mainWindow_ = nullptr;
  bool showStartupNotices_ = false;
};

// Main windows of every running copy (class "ShapeClass", no owner).
size_t CountMainWindows();
