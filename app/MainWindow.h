#pragma once
// The application's main window: hidden and disabled for the whole run (shown
// only as the emergency window), owner of everything the application holds,
// and host of the one timer that drives all background work.
#include <windows.h>

#include <cstdint>

#include "app/StoredWindow.h"
#include "framework/base/Owners.h"
#include "framework/text/TTextList.h"
#include "framework/window/TShape.h"
#include "framework/window/WindowUtils.h"

class TMainWindow : public TShape {
 public:
  TMainWindow();

  void OnInitialize() override;
  void OnClosing() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSysCommand(WPARAM command, int x, int y) override;
  LRESULT OnCommand(int id, HWND control, int code) override;

  HMENU TrayMenu() const { return trayMenu_; }
  HMENU EmergencyMenu() const { return emergencyMenu_.Get(); }
  bool TaskbarPresent() const { return taskbarPresent_; }
  uint32_t TimerPeriod() const { return timerPeriod_; }

 private:
  void Tick();
  void FindTaskbar();
  // Gives the close commands of the emergency window the taskbar's state.
  void ApplyCloseEnabled();
  void StartTimer();
  void OnQueryEndSession();
  void OnEndSession(bool ending);
  void HideEmergencyWindow();
  void Exit();
  void OnApplicationIconCallback(UINT mouseMessage);
  void OnStoredIconCallback(TStoredWindow& record, UINT mouseMessage);
  size_t StoredCount() const { return storedWindows_.Count(); }

  // Declared first so that the menus outlive what refers to them. The menu
  // bar is detached when the window goes, so it is freed here, once.
  TMenuHandle trayMenuResource_;
  TMenuHandle emergencyMenu_;
  HMENU trayMenu_ = nullptr;  // submenu 0 of trayMenuResource_
  bool sessionEnding_ = false;
  THandleList releasedWindows_;
  THandleList candidateWindows_;
  TTextList candidateTitles_;
  THandleList endSessionWindows_;
  TStoredWindowTable storedWindows_;
  bool startupWatch_ = false;
  uint32_t startupWatchDeadline_ = 0;
  HWND taskbarWindow_ = nullptr;
  bool taskbarPresent_ = false;
  bool closeEnabled_ = false;
  uint32_t timerPeriod_ = 0;
};
