#pragma once
// For tests that drive the window store in process: a hidden window that
// stands in for the program's main window (every tray call names it), and a
// "TrayIcon" key that starts and ends empty. Header-only.
#include <windows.h>

#include "app/AppState.h"
#include "tests/support/HkcuRegistry.h"

class StandInMainWindow {
 public:
  static constexpr const char* kTrayIconKey = "Software\\Quillon\\Stowpane\\3.x\\TrayIcon";

  StandInMainWindow() {
    DeleteHkcuKey(kTrayIconKey);
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    AppState().mainWindow = window_;
  }
  ~StandInMainWindow() {
    AppState().mainWindow = nullptr;
    DestroyWindow(window_);
    DeleteHkcuKey(kTrayIconKey);
  }
  StandInMainWindow(const StandInMainWindow&) = delete;
  StandInMainWindow& operator=(const StandInMainWindow&) = delete;

  HWND Handle() const { return window_; }

 private:
  HWND window_ = nullptr;
};
