#include <windows.h>

#include "app/MainWindow.h"

#include "app/AppSettings.h"
#include "app/AppState.h"
#include "app/Commands.h"
#include "app/TrayIcons.h"
#include "app/pure/PeriodicTimer.h"
#include "framework/base/Check.h"
#include "framework/window/Application.h"
#include "framework/window/DisplayText.h"
#include "resources/ResourceIds.h"

TMainWindow::TMainWindow() : TShape(nullptr, kApplicationName) {
  // The main window exists to own the tray icon and the timer: it is shown
  // only as the emergency window.
  SetShow(false);
  // The colour scheme's change recolours the background pictures once, here.
  SetMainShape(this);
  trayMenuResource_.Reset(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(IDM_TRAY_MENU)));
  trayMenu_ = GetSubMenu(trayMenuResource_.Get(), 0);
  emergencyMenu_.Reset(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(IDM_EMERGENCY_MENU)));
  SetMenu(emergencyMenu_.Get());
  SetStatusBar(kStatusBarId);
  if (trayMenu_ != nullptr) SetMenuDefaultItem(trayMenu_, kCommandAutoIconSettings, FALSE);
  sessionEnding_ = false;
  closeEnabled_ = false;
}

void TMainWindow::FindTaskbar() {
  taskbarWindow_ = FindWindowA(kTaskbarClass, "");
  taskbarPresent_ = taskbarWindow_ != nullptr && IsWindow(taskbarWindow_);
}

void TMainWindow::OnInitialize() {
  FindTaskbar();
  // Every tray icon names the main window as its owner: the handle is known
  // before the first icon is added.
  AppState().mainWindow = Handle();
  UpdateApplicationIcon(TIconAction::Add);
  EnableWindow(Handle(), FALSE);
  if (HasSwitch("/restore")) {
    // Started with the system: the windows of the last session are gone, and
    // so is any claim on them.
    DeleteAllTrayIconValues();
  }
  // Without auto-iconize rules there is no start-up watch to arm.
  startupWatch_ = false;
  SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(kCommandAutoIconDialogClosed, 1), 0);
  StartTimer();
}

void TMainWindow::StartTimer() {
  uint32_t stored = kDefaultTimerPeriodMs;
  ReadApplicationDword("PeriodicTimer", stored);
  timerPeriod_ = ClampTimerPeriod(stored);
  WriteApplicationDword("PeriodicTimer", timerPeriod_);
  // Every background duty hangs on this timer; the system refuses one only
  // when its timer table is full.
  CHECK(SetTimer(Handle(), kMainTimerId, timerPeriod_, nullptr) != 0);
}

void TMainWindow::OnClosing() {
  UpdateApplicationIcon(TIconAction::Delete);
  KillTimer(Handle(), kMainTimerId);
}

LRESULT TMainWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER:
      if (wParam == kMainTimerId && !sessionEnding_) Tick();
      return 0;
    case WM_ENTERMENULOOP:
      AppState().inMenuLoop = true;
      break;
    case WM_EXITMENULOOP:
      AppState().inMenuLoop = false;
      break;
    case WM_CLOSE:
      // The help viewer was opened for us: it goes with us.
      WinHelpA(Handle(), Application().helpPath.c_str(), HELP_QUIT, 0);
      break;
    case WM_QUERYENDSESSION:
      OnQueryEndSession();
      break;
    case WM_ENDSESSION:
      OnEndSession(wParam != FALSE);
      break;
    case WM_DESTROY:
      // The menu bar is ours to free; detach it so that it is not freed twice.
      ::SetMenu(Handle(), nullptr);
      return 0;
    default:
      if (msg == kApplicationIconMessage) {
        OnApplicationIconCallback(static_cast<UINT>(lParam));
        return 0;
      }
      if (msg > WM_APP) {
        TStoredWindow* record = storedWindows_.FindByCallback(msg);
        if (record != nullptr) OnStoredIconCallback(*record, static_cast<UINT>(lParam));
        return 0;
      }
      break;
  }
  return TShape::WndProc(msg, wParam, lParam);
}

LRESULT TMainWindow::OnSysCommand(WPARAM command, int x, int y) {
  if ((command & 0xFFF0) == SC_CLOSE) {
    if (closeEnabled_) HideEmergencyWindow();
    return 0;
  }
  return TShape::OnSysCommand(command, x, y);
}

LRESULT TMainWindow::OnCommand(int id, HWND control, int code) {
  switch (id) {
    case kCommandExit:
      Exit();
      return 0;
    case kCommandCloseEmergency:
      HideEmergencyWindow();
      return 0;
    case kCommandAutoIconDialogClosed:
      return 0;
    default:
      return TShape::OnCommand(id, control, code);
  }
}

void TMainWindow::OnApplicationIconCallback(UINT mouseMessage) {
  if (mouseMessage == WM_MOUSEMOVE) UpdateApplicationIcon(TIconAction::Modify, StoredCountText(StoredCount()));
}

void TMainWindow::OnStoredIconCallback(TStoredWindow& /*record*/, UINT /*mouseMessage*/) {
  // The stored window's menus and its restore by double click hang here.
}

void TMainWindow::HideEmergencyWindow() {
  ShowWindow(Handle(), SW_HIDE);
  SetWindowTextA(Handle(), ToDisplayText(kApplicationName).c_str());
}

void TMainWindow::Exit() { EndShape(-1); }

void TMainWindow::ApplyCloseEnabled() {
  if (taskbarPresent_ == closeEnabled_) return;
  const UINT state = taskbarPresent_ ? MF_ENABLED : (MF_DISABLED | MF_GRAYED);
  EnableMenuItem(emergencyMenu_.Get(), kCommandCloseEmergency, MF_BYCOMMAND | state);
  closeEnabled_ = taskbarPresent_;
  if (Handle() != nullptr) EnableMenuItem(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | state);
}

void TMainWindow::Tick() {
  ApplyCloseEnabled();
  if (taskbarPresent_) {
    // The handle found earlier is tested, no new search: a taskbar replaced
    // between two ticks counts as gone once, so the icons are put back.
    taskbarPresent_ = taskbarWindow_ != nullptr && IsWindow(taskbarWindow_);
    return;
  }
  FindTaskbar();
  if (taskbarPresent_) UpdateApplicationIcon(TIconAction::Add);
}

void TMainWindow::OnQueryEndSession() {
  sessionEnding_ = true;
}

void TMainWindow::OnEndSession(bool ending) {
  if (ending) return;
  endSessionWindows_.clear();
  sessionEnding_ = false;
}
