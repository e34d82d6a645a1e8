#include <windows.h>

#include "app/MainWindow.h"

#include <algorithm>

#include "app/AppSettings.h"
#include "app/AppState.h"
#include "app/Commands.h"
#include "app/VersionShape.h"
#include "app/emergency/EmergencyCommands.h"
#include "app/emergency/EmergencyContent.h"
#include "app/emergency/Notices.h"
#include "app/emergency/RunFileDialog.h"
#include "app/emergency/StartupShortcut.h"
#include "app/pure/PeriodicTimer.h"
#include "app/storing/CandidateWindows.h"
#include "app/storing/TrayIconValues.h"
#include "app/storing/TrayIcons.h"
#include "app/titlerules/AutoIconWatchTime.h"
#include "app/traymenus/GiveBackMenu.h"
#include "app/traymenus/StoredWindowMenus.h"
#include "framework/base/Check.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/system/LazyLibrary.h"
#include "framework/window/core/Application.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/core/ProgramHelp.h"
#include "framework/window/core/Topmost.h"
#include "resources/ResourceIds.h"

namespace {

POINT CursorPosition() {
  POINT at{0, 0};
  GetCursorPos(&at);
  return at;
}

void AppendOnce(THandleList& list, HWND window) {
  if (std::find(list.begin(), list.end(), window) == list.end()) list.push_back(window);
}

}  // namespace

TMainWindow::TMainWindow()
    : TShape(nullptr, kApplicationName), standbyCure_(trayMenu_.Menu()), store_(this) {
  // The main window exists to own the tray icon and the timer: it is shown
  // only as the emergency window.
  SetShow(false);
  // It is seen only as the emergency window, so that is where its help opens.
  SetHelpSection("Emergency");
  // The colour scheme's change recolours the background pictures once, here.
  SetMainShape(this);
  emergencyMenu_.Reset(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(IDM_EMERGENCY_MENU)));
  SetMenu(emergencyMenu_.Get());
  // Seen only as the emergency window: its bar is made when that first shows.
  SetStatusBar(kStatusBarId, true);
  AddEmergencyContent(*this);
  emergencyMenuIcons_ = MakeEmergencyMenuIcons(emergencyMenu_.Get());
  standbyCure_.Add(TMenuCheckItem(kCommandStandbyCure, "StandbyCure", true));
  // Read before the window exists: the tray icon is added early in its
  // start, and a click while the start's notice is open must find the item
  // as it was stored.
  TRegKeyList keys(ApplicationKeys());
  keys.Create();
  standbyCure_.Load(keys);
  keys.Close();
  standbyCure_.Apply();
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
  applicationIconShown_ = UpdateApplicationIcon(TIconAction::Add);
  // The shell announces a rebuilt notification area to every top-level
  // window; a program of higher integrity than ours (an elevated shell)
  // would have the message filtered out.
  taskbarCreatedMessage_ = RegisterWindowMessageA("TaskbarCreated");
  if (taskbarCreatedMessage_ != 0) LazyAllowMessageFromAnyProcess(Handle(), taskbarCreatedMessage_);
  EnableWindow(Handle(), FALSE);
  const bool startedWithSystem = HasSwitch("/restore");
  // Windows a copy that crashed left hidden come back into the tray before
  // anything can open a question or a menu: a store from the tray meanwhile
  // would pick ids from an empty table and write over their values.
  if (!startedWithSystem) store_.AdoptPersistedWindows();
  // The settings dialog lives hidden beside the main window; every change
  // reaches the main window as its notify command.
  autoIconDialog_.SetOwner(Handle());
  autoIconDialog_.RunModeless(kCommandAutoIconDialogClosed);
  if (startedWithSystem) {
    // Started with the system: the windows of the last session are gone, and
    // so is any claim on them; the windows that now appear are watched for.
    DeleteAllTrayIconValues();
    startupWatch_ = autoIconDialog_.AutoIconOn();
    startupWatchArmedAt_ = GetTickCount();
    startupWatchLengthMs_ =
        WatchLengthMs(autoIconDialog_.WatchTime(), TWatchTimeElement::kLower, TWatchTimeElement::kUpper);
  } else {
    // Started by the user: from now on the program starts with the system;
    // the notice says so only when the shortcut was written.
    if (RegisterStartup(Application().programPath)) ShowRegisterNotice(this);
    // The user may have ended the program from the tray while the notice was open.
    if (!IsWindow(Handle())) return;
    startupWatch_ = false;
  }
  // The timer first: a notice that a key is taken runs a modal loop, in which
  // the ticks (and the watch for the title rules) must go on.
  StartTimer();
  SendMessageA(Handle(), WM_COMMAND, MAKEWPARAM(kCommandAutoIconDialogClosed, kNotifyRulesChanged),
               reinterpret_cast<LPARAM>(autoIconDialog_.Handle()));
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
  standbyCure_.ReadBack();
  TRegKeyList keys(ApplicationKeys());
  keys.Create();
  standbyCure_.Save(keys);
  keys.Close();
  UpdateApplicationIcon(TIconAction::Delete);
  applicationIconShown_ = false;
  KillTimer(Handle(), kMainTimerId);
  hotKeys_.ReleaseAll();
}

LRESULT TMainWindow::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A menu of a stored window is open or was just chosen from: what it sends
  // back belongs to that window.
  LRESULT routed = 0;
  if (RouteMenuMessage(msg, wParam, lParam, routed)) return routed;
  if (msg == taskbarCreatedMessage_ && msg != 0) {
    OnTaskbarCreated();
    return 0;
  }
  switch (msg) {
    case WM_HOTKEY:
      if (wParam == static_cast<WPARAM>(THotKeyAction::Store)) OnHotKey(THotKeyAction::Store);
      if (wParam == static_cast<WPARAM>(THotKeyAction::Restore)) OnHotKey(THotKeyAction::Restore);
      return 0;
    case WM_TIMER:
      if (wParam == kMainTimerId && !sessionEnding_) Tick();
      if (wParam == kPendingClickTimerId) OnPendingClick();
      return 0;
    case kTrackedMenuClosedMessage:
      ForgetMenuTarget();
      return 0;
    case WM_ENTERMENULOOP:
      AppState().inMenuLoop = true;
      break;
    case WM_EXITMENULOOP:
      AppState().inMenuLoop = false;
      break;
    case WM_WININICHANGE:
      if (wParam == SPI_SETNONCLIENTMETRICS) {
        trayMenu_.Remeasure();
        return 0;
      }
      break;
    case WM_CLOSE:
      // Closed from outside while a question about a window is open: the
      // program ends once it is answered, as for the exit command.
      if (EndWaitsForAnswer(TEndPending::Close)) return 0;
      // The windows first: nothing that may wait for another program comes
      // before them. The help viewer was opened for us and goes with us.
      GiveEverythingBack();
      WinHelpA(Handle(), Application().helpPath.c_str(), HELP_QUIT, 0);
      break;
    case WM_QUERYENDSESSION:
      OnQueryEndSession();
      break;
    case WM_ENDSESSION:
      OnEndSession(wParam != FALSE);
      break;
    case WM_DESTROY:
      if (autoIconDialog_.Handle() != nullptr) SendMessageA(autoIconDialog_.Handle(), WM_CLOSE, 0, 0);
      // Nothing stays hidden after the program ends. The windows were given
      // back before the window went, while it could still own the questions:
      // here only what was stored since is left.
      GiveEverythingBack();
      // The menu bar is ours to free; detach it so that it is not freed twice.
      ::SetMenu(Handle(), nullptr);
      return 0;
    default:
      if (msg == kApplicationIconMessage) {
        OnApplicationIconCallback(static_cast<UINT>(lParam));
        return 0;
      }
      if (msg > WM_APP) {
        const TStoredWindow* record = store_.Table().FindByCallback(msg);
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
    case kCommandStoreAll:
      store_.StoreAll(trayMenu_.Candidates());
      return 0;
    case kCommandRestoreAll:
      store_.RestoreAll();
      return 0;
    case kCommandAutoIconSettings:
      autoIconDialog_.ShowSettings();
      return 0;
    case kCommandStandbyCure:
      ToggleStandbyCure();
      return 0;
    case kCommandRunFile:
      RunFileByName(this);
      return 0;
    case kCommandTaskManager:
      StartTaskManager(this);
      return 0;
    case kCommandExitWindows:
      // Windows is ending: the program ends the normal way (its windows given
      // back); the Startup shortcut stays for the next logon.
      if (EndWindows(this)) EndProgram();
      return 0;
    case kCommandCloseEmergency:
      HideEmergencyWindow();
      return 0;
    case kCommandExit:
      Exit();
      return 0;
    case kCommandHelp:
      ShowHelp();
      return 0;
    case kCommandVersion:
      ShowVersionWindow(*this);
      return 0;
    case kCommandAutoIconDialogClosed:
      if (code == kNotifyRulesChanged) {
        LoadAutoIconRules();
        hotKeys_.Apply(Handle(), autoIconDialog_.StoreHotKey(), autoIconDialog_.RestoreHotKey(), this);
      }
      if (code == kNotifyTest) RunTestScan();
      return 0;
    default:
      break;
  }
  if (standbyCure_.OnCommand(static_cast<UINT>(id))) return 0;
  const THandleList& candidates = trayMenu_.Candidates();
  if (control == nullptr && id >= kCommandFirstCandidate &&
      static_cast<size_t>(id - kCommandFirstCandidate) < candidates.size()) {
    store_.StoreWindow(candidates[static_cast<size_t>(id - kCommandFirstCandidate)]);
    return 0;
  }
  return TShape::OnCommand(id, control, code);
}

bool TMainWindow::ShowOpenQuestion() {
  if (!store_.Busy()) return false;
  HWND question = GetWindow(Handle(), GW_ENABLEDPOPUP);
  if (question != nullptr) SetForegroundWindow(question);
  return true;
}

void TMainWindow::OnApplicationIconCallback(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_MOUSEMOVE:
      UpdateApplicationIcon(TIconAction::Modify, StoredCountText(store_.Count()));
      return;
    case WM_LBUTTONDOWN:
      ArmPendingClick(kApplicationIconMessage);
      return;
    case WM_RBUTTONDOWN:
      // No second menu while one is open, whichever it is: its choice would
      // lose its target and reach this window as one of its own commands.
      if (AppState().inMenuLoop || ShowOpenQuestion()) return;
      OpenTrayMenu(CursorPosition());
      return;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
      CancelPendingClick();
      if (ShowOpenQuestion()) return;
      SetForegroundWindow(Handle());
      OnCommand(kCommandAutoIconSettings, nullptr, 0);
      return;
    default:
      return;
  }
}

void TMainWindow::OnStoredIconCallback(const TStoredWindow& record, UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      ArmPendingClick(StoredIconMessage(record.iconId));
      return;
    case WM_RBUTTONDOWN:
      if (AppState().inMenuLoop || ShowOpenQuestion()) return;  // as for the application icon
      OpenStoredWindowMenu(record, false, CursorPosition());
      return;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK: {
      CancelPendingClick();
      if (ShowOpenQuestion()) return;
      const HWND window = record.window;
      if (!IsWindow(window)) return;
      store_.RestoreThroughIcon(record);
      releasedWindows_.push_back(window);
      return;
    }
    default:
      return;
  }
}

void TMainWindow::ArmPendingClick(UINT iconMessage) {
  // A click that closes an open menu is not a click for a new one, and one
  // made while a question is open brings the question forward instead.
  if (AppState().inMenuLoop || ShowOpenQuestion()) return;
  // The second click of a double click would land in a menu opened by the
  // first: the menu waits until the double-click time has passed alone.
  pendingClickMessage_ = iconMessage;
  pendingClickAt_ = CursorPosition();
  SetTimer(Handle(), kPendingClickTimerId, GetDoubleClickTime(), nullptr);
}

void TMainWindow::CancelPendingClick() {
  KillTimer(Handle(), kPendingClickTimerId);
  pendingClickMessage_ = 0;
}

void TMainWindow::OnPendingClick() {
  const UINT message = pendingClickMessage_;
  CancelPendingClick();
  if (message == 0 || AppState().inMenuLoop || ShowOpenQuestion()) return;
  if (message == kApplicationIconMessage) {
    OpenTrayMenu(pendingClickAt_);
    return;
  }
  // The window may have been given back meanwhile.
  const TStoredWindow* record = store_.Table().FindByCallback(message);
  if (record != nullptr) OpenStoredWindowMenu(*record, true, pendingClickAt_);
}

void TMainWindow::OpenTrayMenu(POINT at) {
  trayMenu_.Rebuild(Handle(), store_.Count());
  TrackMenuForTarget(trayMenu_.Menu(), Handle(), false, at);
}

void TMainWindow::OpenStoredWindowMenu(const TStoredWindow& record, bool menuBar, POINT at) {
  // The record may be let go while a menu is open: only its handle and title are kept.
  const HWND window = record.window;
  const TString title = record.title;
  if (!IsWindow(window) || !IsWindowEnabled(window)) return;
  const TStoredMenu shown = menuBar ? ShowStoredMenuBarCopy(window, at) : ShowStoredSystemMenu(window, at);
  releasedWindows_.push_back(window);
  if (shown != TStoredMenu::Unreadable) return;
  switch (ShowGiveBackMenu(title, at)) {
    case TGiveBackChoice::GiveBack: {
      if (ShowOpenQuestion()) return;
      const TStoredWindow* still = store_.Table().FindByWindow(window);
      if (still != nullptr) store_.RestoreThroughIcon(*still);
      return;
    }
    case TGiveBackChoice::Close:
      PostCloseCommand(window);
      return;
    case TGiveBackChoice::None:
      return;
  }
}

void TMainWindow::ShowHelp() {
  MessageBeep(MB_ICONASTERISK);
  ShowProgramHelp(Handle(), HELP_CONTENTS, 0, TString());
}

void TMainWindow::HideEmergencyWindow() {
  ShowWindow(Handle(), SW_HIDE);
  // Hidden, it must not stay topmost: the settings dialog it owns would open
  // above every other window.
  SetWindowPos(Handle(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetWindowTextA(Handle(), ToDisplayText(kApplicationName).c_str());
}

void TMainWindow::Exit() {
  if (EndWaitsForAnswer(TEndPending::Exit)) return;
  // Ended by the user: no longer started with the system.
  ShowUnregisterNotice(this, Application().programPath);
  UnregisterStartup();
  EndProgram();
}

bool TMainWindow::EndWaitsForAnswer(TEndPending kind) {
  // A question about a window is open: the program ends once it is answered,
  // so that the window in question is not left half stored.
  if (!store_.Busy()) return false;
  endPending_ = kind;
  return true;
}

void TMainWindow::GiveEverythingBack() {
  store_.SetEnding(true);
  store_.RestoreAll();
}

void TMainWindow::EndProgram() {
  if (!IsWindow(Handle()) || EndWaitsForAnswer(TEndPending::Close)) return;
  GiveEverythingBack();
  EndShape(-1);
}

bool TMainWindow::StandbyCureOn() const {
  const TMenuCheckItem* item = standbyCure_.Find(kCommandStandbyCure);
  return item != nullptr && item->Checked();
}

void TMainWindow::ToggleStandbyCure() {
  standbyCure_.OnCommand(kCommandStandbyCure);
  ShowStandbyNotice(this, StandbyCureOn());
}

void TMainWindow::SwitchToEmergency() {
  if (!StandbyCureOn() || IsWindowVisible(Handle())) return;
  EnsureStatusBar();
  CenterOnScreen();
  SetWindowTextA(Handle(), ToDisplayText(kEmergencyTitle).c_str());
  EnableWindow(Handle(), TRUE);
  ShowWindow(Handle(), SW_SHOWNORMAL);
  MakeTopmost(Handle());
  UpdateWindow(Handle());
}

void TMainWindow::ApplyCloseEnabled() {
  if (taskbarPresent_ == closeEnabled_) return;
  const UINT state = taskbarPresent_ ? MF_ENABLED : (MF_DISABLED | MF_GRAYED);
  EnableMenuItem(emergencyMenu_.Get(), kCommandCloseEmergency, MF_BYCOMMAND | state);
  closeEnabled_ = taskbarPresent_;
  if (Handle() != nullptr) EnableMenuItem(GetSystemMenu(Handle(), FALSE), SC_CLOSE, MF_BYCOMMAND | state);
}

void TMainWindow::Tick() {
  if (endPending_ != TEndPending::None && !store_.Busy()) {
    const TEndPending pending = endPending_;
    endPending_ = TEndPending::None;
    if (pending == TEndPending::Exit) {
      Exit();
    } else {
      EndProgram();
    }
    return;
  }
  ApplyCloseEnabled();
  if (taskbarPresent_) {
    // The handle found earlier is tested, no new search: a taskbar replaced
    // between two ticks counts as gone once, so the icons are put back.
    taskbarPresent_ = taskbarWindow_ != nullptr && IsWindow(taskbarWindow_);
    if (taskbarPresent_) {
      store_.RefreshAll();
      AddMissingIcons();
      ScanAtTick();
    } else {
      SwitchToEmergency();
      // The emergency window must not be closed while there is no taskbar
      // to go back to: its close commands go gray with it, not a tick later.
      ApplyCloseEnabled();
    }
    return;
  }
  FindTaskbar();
  if (!taskbarPresent_) return;
  AddApplicationIcon();
  store_.IconizeAllAgain();
}

void TMainWindow::AddApplicationIcon() {
  applicationIconShown_ = UpdateApplicationIcon(TIconAction::Add, StoredCountText(store_.Count()));
}

void TMainWindow::AddMissingIcons() {
  if (!applicationIconShown_) AddApplicationIcon();
  if (applicationIconShown_) store_.AddMissingIcons();
}

void TMainWindow::OnTaskbarCreated() {
  // Without a taskbar the tick finds the new one and puts everything back.
  if (!taskbarPresent_ || sessionEnding_) return;
  FindTaskbar();
  if (!taskbarPresent_) return;
  applicationIconShown_ = false;
  store_.ForgetIcons();
  AddMissingIcons();
}

void TMainWindow::OnHotKey(THotKeyAction action) {
  // A question about a window is open: the key waits for it like a tray click.
  if (store_.Busy()) {
    ShowOpenQuestion();
    return;
  }
  // Only what the tray menu would allow now: no menu without a taskbar (a
  // window stored then would get no icon), none inside another menu's loop,
  // nothing while the session ends.
  if (!taskbarPresent_ || AppState().inMenuLoop || sessionEnding_) {
    hotKeys_.PassOn(action);
    return;
  }
  if (action == THotKeyAction::Store) {
    const HWND active = GetForegroundWindow();
    const THandleList candidates = EnumerateCandidateWindows();
    const bool storable = active != nullptr && active != Handle() &&
                          std::find(candidates.begin(), candidates.end(), active) != candidates.end();
    if (!storable) {
      hotKeys_.PassOn(action);
      return;
    }
    store_.StoreWindow(active);
    return;
  }
  if (store_.Count() == 0) {
    hotKeys_.PassOn(action);
    return;
  }
  // The latest first: records are kept in the order they were stored.
  const TStoredWindow& last = store_.Table().At(store_.Count() - 1);
  releasedWindows_.push_back(last.window);
  store_.RestoreThroughIcon(last);
}

void TMainWindow::LoadAutoIconRules() {
  autoIconRules_ = DialogRules();
  periodicIconize_ = autoIconDialog_.AutoIconOn() && autoIconDialog_.PeriodicOn();
}

TAutoIconRules TMainWindow::DialogRules() const {
  TAutoIconRules rules;
  rules.patterns = autoIconDialog_.TitleList();
  rules.distinguishCase = autoIconDialog_.DistinguishCase();
  rules.distinguishWidth = autoIconDialog_.DistinguishWidth();
  return rules;
}

void TMainWindow::RunTestScan() {
  // A question about a window is open: the test would find the same window
  // and ask again inside it.
  if (ShowOpenQuestion()) return;
  releasedWindows_.clear();
  AutoIconizeScan(store_, Handle(), DialogRules(), TScanMode::Startup, releasedWindows_);
}

void TMainWindow::ScanAtTick() {
  // No scan in a menu, and none while a question is open: a scan started
  // inside a question would find the window in question and ask again.
  if (AppState().inMenuLoop || store_.Busy()) return;
  if (startupWatch_) {
    AutoIconizeScan(store_, Handle(), autoIconRules_, TScanMode::Startup, releasedWindows_);
    if (WatchIsOver(GetTickCount(), startupWatchArmedAt_, startupWatchLengthMs_)) startupWatch_ = false;
    return;
  }
  if (periodicIconize_) AutoIconizeScan(store_, Handle(), autoIconRules_, TScanMode::Periodic, releasedWindows_);
}

void TMainWindow::OnQueryEndSession() {
  // Every stored window is shown for the session's end; they are stored
  // again if the end is cancelled.
  for (size_t i = 0; i < store_.Count(); ++i) AppendOnce(endSessionWindows_, store_.Table().At(i).window);
  // The session may end before an open question does: its window comes back
  // as soon as it answers, and one that does not answer the questions below
  // too; nothing is kept stored across the end.
  store_.SetEnding(true);
  for (HWND window : store_.ShowWindowsInQuestion()) AppendOnce(endSessionWindows_, window);
  store_.RestoreAll();
  sessionEnding_ = true;
}

void TMainWindow::OnEndSession(bool ending) {
  if (ending) return;
  store_.SetEnding(false);
  const THandleList windows = std::move(endSessionWindows_);
  endSessionWindows_.clear();
  for (HWND window : windows) {
    if (IsWindow(window)) store_.StoreWindow(window);
  }
  sessionEnding_ = false;
}
