#include <windows.h>

// The menus around every shape: the system menu's position, always-on-top
// and translucency commands, the status bar's menu help, and context help.
#include <commctrl.h>

#include "framework/icons/IconFactories.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/core/ProgramHelp.h"
#include "framework/window/core/StringResource.h"
#include "framework/window/menus/IconMenu.h"
#include "framework/window/shapes/TShape.h"

namespace {

struct TFlashJob {
  HWND window;
  int count;
  DWORD interval;
};

DWORD WINAPI FlashWorker(LPVOID parameter) {
  const TFlashJob job = *static_cast<TFlashJob*>(parameter);
  delete static_cast<TFlashJob*>(parameter);
  for (int i = 0; i < job.count; ++i) {
    FlashWindow(job.window, TRUE);
    Sleep(job.interval);
    FlashWindow(job.window, FALSE);
    Sleep(job.interval);
  }
  return 0;
}

void InsertCommand(HMENU menu, UINT position, UINT command, const char* text) {
  InsertMenuA(menu, position, MF_BYPOSITION | MF_STRING, command, ToDisplayText(text).c_str());
}

// The position of SC_CLOSE in the system menu; the end when it has none.
UINT CloseItemPosition(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    if (GetMenuItemID(menu, i) == SC_CLOSE) return static_cast<UINT>(i);
  }
  return static_cast<UINT>(count < 0 ? 0 : count);
}

}  // namespace

void FlashWindowAsync(HWND window, int count, int interval) {
  if (window == nullptr || count <= 0) return;
  auto* job = new TFlashJob{window, count, interval < 0 ? GetCaretBlinkTime() : static_cast<DWORD>(interval)};
  HANDLE thread = CreateThread(nullptr, 4096, FlashWorker, job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) {
    delete job;
    return;
  }
  TKernelHandle owned(thread);  // the worker ends by itself; only the handle is ours
}

void TShape::ExtendSystemMenu() {
  HMENU system = GetSystemMenu(handle_, FALSE);
  positionMenu_ = nullptr;
  if (system == nullptr) return;
  // Each insertion at the close item's position pushes the previous ones
  // down, so from the top they read: position, on top, translucent, a
  // separator, then Close.
  const UINT at = CloseItemPosition(system);
  InsertMenuA(system, at, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  if (HasLayering()) InsertCommand(system, at, kTranslucentCommand, "半透明にする(&A)\tAlt+F3");
  InsertCommand(system, at, kAlwaysOnTopCommand, "常に手前に表示(&T)\tAlt+F5");
  HMENU position = CreatePopupMenu();
  if (position != nullptr) {
    InsertCommand(position, 0, kThisPositionCommand, "次回もこの位置で表示(&S)");
    InsertCommand(position, 0, kAtCursorCommand, "マウスカーソルの位置へ表示(&M)");
    InsertCommand(position, 0, kCentreCommand, "画面中央に表示(&C)");
    for (UINT command : {kCentreCommand, kAtCursorCommand, kThisPositionCommand}) {
      EnableMenuItem(position, command, MF_BYCOMMAND | MF_GRAYED);
    }
    // The system menu owns the popup from here on and destroys it with itself.
    if (InsertMenuA(system, at, MF_BYPOSITION | MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(position),
                    ToDisplayText("表示位置(&P)").c_str())) {
      positionMenu_ = position;
    } else {
      DestroyMenu(position);
    }
  }
  if (!closable_) EnableMenuItem(system, SC_CLOSE, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
}

void TShape::CheckPositionCommand(UINT command) {
  if (positionMenu_ == nullptr) return;
  for (UINT each : {kCentreCommand, kAtCursorCommand, kThisPositionCommand}) {
    CheckMenuItem(positionMenu_, each, MF_BYCOMMAND | (each == command ? MF_CHECKED : MF_UNCHECKED));
  }
}

LRESULT TShape::OnShapeSysCommand(WPARAM command, int /*x*/, int /*y*/, bool& handled) {
  handled = true;
  switch (command) {
    case kAlwaysOnTopCommand: {
      const bool topmost = (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
      // Once slowly when it leaves the top, twice quickly when it takes it.
      if (topmost) {
        FlashWindowAsync(handle_, 1, 300);
      } else {
        FlashWindowAsync(handle_, 2, 100);
      }
      SetWindowPos(handle_, topmost ? HWND_NOTOPMOST : HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      SavePlacement();
      return 0;
    }
    case kCentreCommand:
      CenterOnScreen();
      SavePlacement();
      return 0;
    case kAtCursorCommand:
      MoveToCursor();
      SavePlacement();
      return 0;
    case kThisPositionCommand:
      CheckPositionCommand(kThisPositionCommand);
      SavePlacement();
      return 0;
    case kTranslucentCommand: {
      const UINT state = GetMenuState(GetSystemMenu(handle_, FALSE), kTranslucentCommand, MF_BYCOMMAND);
      SetTranslucent(state == static_cast<UINT>(-1) || (state & MF_CHECKED) == 0);
      SavePlacement();
      handled = false;
      return 0;
    }
    default:
      break;
  }
  if ((command & 0xFFF0) == SC_CLOSE) {
    HWND cancel = GetDlgItem(handle_, IDCANCEL);
    OnCommand(IDCANCEL, cancel != nullptr ? cancel : handle_, 0);
    if (closable_) {
      handled = false;
      return 0;
    }
    return -1;
  }
  handled = false;
  return 0;
}

void TShape::OnMenuSelect(UINT item, UINT flags, HMENU menu) {
  if (statusBar_ == nullptr) return;
  RECT client{};
  GetClientRect(handle_, &client);
  int right = client.right;
  SendMessageA(statusBar_, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(&right));
  if (flags == 0xFFFF || (flags & MF_POPUP) != 0 || menu == nullptr) {
    statusText_ = TString();
    SendMessageA(statusBar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
    return;
  }
  statusText_ = StringResource(item);
  statusEnabled_ = (flags & (MF_DISABLED | MF_GRAYED)) == 0;
  SendMessageA(statusBar_, SB_SETTEXTA, SBT_OWNERDRAW | SBT_NOBORDERS, 0);
}

void TShape::DrawStatusPart(const DRAWITEMSTRUCT& item) {
  // The information icon goes with a help text only.
  DrawIconStatusPart(item.hDC, item.rcItem, statusText_.IsEmpty() ? nullptr : StockIcon(32516 /* IDI_ASTERISK */),
                     statusText_, statusEnabled_);
}

void TShape::MakeHelpMenu() {
  SetWindowLongA(handle_, GWL_EXSTYLE, GetWindowLongA(handle_, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
  helpMenu_.Reset(CreatePopupMenu());
  if (helpMenu_) {
    AppendMenuA(helpMenu_.Get(), MF_STRING, kContextHelpCommand, ToDisplayText("ヘルプ(&H)").c_str());
    // The item shows the icon of help files.
    helpIcons_ = MakeIconMenu(helpMenu_.Get(), {ByCommand(kContextHelpCommand, ShellTypeIcon("*.hlp"))});
    if (helpIcons_) AttachIconMenu(*helpIcons_);
  }
}

void TShape::OnContextMenu(HWND window, int x, int y) {
  CloseOpenDropDownLists();
  if (content_.OnContextMenu(window, x, y)) return;
  if (!contextHelp_ || !helpMenu_) return;
  POINT at{x, y};
  ScreenToClient(handle_, &at);
  HWND child = ChildWindowFromPointEx(handle_, at, CWP_SKIPINVISIBLE);
  if (child == nullptr || child == handle_ || GetWindowContextHelpId(child) == 0) return;
  helpTarget_ = child;
  TrackPopupMenu(helpMenu_.Get(), TPM_RIGHTBUTTON, x, y, 0, handle_, nullptr);
}

void TShape::ShowContextHelp() {
  if (helpTarget_ == nullptr || !IsWindow(helpTarget_)) return;
  MessageBeep(MB_ICONASTERISK);
  ShowProgramHelp(handle_, HELP_CONTEXTPOPUP, GetWindowContextHelpId(helpTarget_), HelpSection());
}

void TShape::OnHelp(const HELPINFO& help) {
  if (help.iContextType != HELPINFO_WINDOW) return;
  HWND control = static_cast<HWND>(help.hItemHandle);
  if (control == nullptr) return;
  MessageBeep(MB_ICONASTERISK);
  const DWORD context = GetWindowContextHelpId(control);
  DWORD ids[4] = {static_cast<DWORD>(GetDlgCtrlID(control)), context != 0 ? context : static_cast<DWORD>(-1), 0, 0};
  ShowProgramHelp(control, HELP_WM_HELP, reinterpret_cast<ULONG_PTR>(ids), HelpSection());
}
