#pragma once
// The application's main window: hidden and disabled for the whole run (shown
// only as the emergency window), owner of everything the application holds,
// and host of the one timer that drives all background work.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "app/keys/HotKeys.h"
#include "app/storing/WindowStore.h"
#include "app/titlerules/AutoIconDialog.h"
#include "app/titlerules/AutoIconScan.h"
#include "app/traymenus/TrayMenu.h"
#include "framework/base/Owners.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/menus/IconMenu.h"
#include "framework/window/menus/MenuCheckItems.h"
#include "framework/window/shapes/TShape.h"

class TMainWindow : public TShape {
 public:
  TMainWindow();

  void OnInitialize() override;
  void OnClosing() override;
  LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnSysCommand(WPARAM command, int x, int y) override;
  LRESULT OnCommand(int id, HWND control, int code) override;

  HMENU TrayMenu() const { return trayMenu_.Menu(); }
  bool StandbyCureOn() const;
  HMENU EmergencyMenu() const { return emergencyMenu_.Get(); }
  bool TaskbarPresent() const { return taskbarPresent_; }
  uint32_t TimerPeriod() const { return timerPeriod_; }
  const TWindowStore& Store() const { return store_; }
  const THandleList& ReleasedWindows() const { return releasedWindows_; }
  const THotKeys& HotKeys() const { return hotKeys_; }

 private:
  void Tick();
  void FindTaskbar();
  // The application's icon, its tip counting the stored windows.
  void AddApplicationIcon();
  // Icons the taskbar refused (at logon, or busy) are added again, at most
  // one failing call a tick.
  void AddMissingIcons();
  // The shell rebuilt its notification area, perhaps in the same taskbar
  // window, and dropped every icon: they are all added again at once.
  void OnTaskbarCreated();
  // Gives the close commands of the emergency window the taskbar's state.
  void ApplyCloseEnabled();
  void StartTimer();
  void OnQueryEndSession();
  void OnEndSession(bool ending);
  void HideEmergencyWindow();
  // The taskbar went: with standby on, the hidden main window comes forward
  // as the emergency window.
  void SwitchToEmergency();
  void ToggleStandbyCure();
  void Exit();
  // Every way out: the windows are given back while the window can still
  // own the questions about them, then it closes.
  void EndProgram();
  void GiveEverythingBack();
  void ShowHelp();
  void OnApplicationIconCallback(UINT mouseMessage);
  void OnStoredIconCallback(const TStoredWindow& record, UINT mouseMessage);
  // A left click on a tray icon opens its menu only once the double-click
  // time has passed without a second click; the right button opens it at once.
  void ArmPendingClick(UINT iconMessage);
  void CancelPendingClick();
  void OnPendingClick();
  void OpenTrayMenu(POINT at);
  // The window's menu bar copy or system menu; the program's own small menu
  // when the window's cannot be read.
  void OpenStoredWindowMenu(const TStoredWindow& record, bool menuBar, POINT at);
  // While a store or restore waits for an answer, tray clicks bring its
  // question to the front instead of starting something else.
  bool ShowOpenQuestion();
  void LoadAutoIconRules();
  // The rules as the settings dialog shows them now, saved or not.
  TAutoIconRules DialogRules() const;
  void RunTestScan();
  void ScanAtTick();
  // A global key: stores the active window when the user could store it from
  // the tray menu, or gives back the window stored last; else the key goes on.
  void OnHotKey(THotKeyAction action);

  // Declared first so that the menus outlive what refers to them. The menu
  // bar is detached when the window goes, so it is freed here, once.
  TTrayMenu trayMenu_;
  TMenuHandle emergencyMenu_;
  std::vector<std::unique_ptr<TIconMenu>> emergencyMenuIcons_;  // before the menu they draw goes
  TMenuCheckGroup standbyCure_;
  bool sessionEnding_ = false;
  THandleList releasedWindows_;
  THandleList endSessionWindows_;
  TWindowStore store_;
  TAutoIconDialog autoIconDialog_;
  THotKeys hotKeys_;
  TAutoIconRules autoIconRules_;
  bool periodicIconize_ = false;
  bool startupWatch_ = false;
  uint32_t startupWatchArmedAt_ = 0;
  uint32_t startupWatchLengthMs_ = 0;
  HWND taskbarWindow_ = nullptr;
  bool taskbarPresent_ = false;
  bool applicationIconShown_ = false;
  UINT taskbarCreatedMessage_ = 0;
  bool closeEnabled_ = false;
  // An end asked for while a question about a window was open: the exit
  // command (with its notice), or a close from outside.
  enum class TEndPending { None, Exit, Close };
  TEndPending endPending_ = TEndPending::None;
  // True when a question is open: the end of the kind asked for is kept for
  // the first tick after its answer.
  bool EndWaitsForAnswer(TEndPending kind);
  uint32_t timerPeriod_ = 0;
  UINT pendingClickMessage_ = 0;  // the callback message of the icon clicked; 0: none
  POINT pendingClickAt_{};
};
