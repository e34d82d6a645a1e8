#include <windows.h>

#include "framework/window/TShape.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "framework/window/Application.h"
#include "framework/window/DisplayText.h"
#include "framework/window/ModelessShapes.h"
#include "framework/window/TranslateKeys.h"
#include "framework/window/WindowUtils.h"

namespace {

const char* const kDropDownListClass = "FloatComboListClass";
const char* const kDropDownListTitle = "DropDownList";
constexpr int kContextHelpCommand = 9999;

// Esc in a shape first closes any open drop-down list of ours.
bool CloseOpenDropDownLists() {
  bool anyVisible = false;
  for (HWND list : CollectWindowsOf(nullptr, kDropDownListClass, kDropDownListTitle)) {
    if (IsWindowVisible(list)) anyVisible = true;
  }
  if (anyVisible) PostToWindowsOf(nullptr, kDropDownListClass, kDropDownListTitle, WM_KILLFOCUS, 0, 0);
  return anyVisible;
}

}  // namespace

TShape::TShape(HWND owner, const char* title) : TWindow(owner) {
  SetTitle(title ? TString(title) : ApplicationName());
}

TShape::~TShape() { ForgetModeless(this); }

void TShape::SetTitle(const TString& title) {
  title_ = ToDisplayText(title);
  if (handle_ != nullptr && IsWindow(handle_)) SetWindowTextA(handle_, title_.c_str());
}

void TShape::RegisterShapeClass() {
  WNDCLASSA record;
  InitWindowClass(record);
  record.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  record.hIcon = LoadIconA(ProgramInstance(), "APPLICATION_ICON");
  record.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  record.lpfnWndProc = TShape::PreWndProc;
  record.lpszClassName = kClassName;
  RegisterWindowClass(record);
}

HWND TShape::CreateHandle() {
  return CreateObjectWindow(this, kClassName, title_.c_str(),
                            WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, menu_);
}

bool TShape::PreTranslate(MSG&) { return false; }

LRESULT CALLBACK TShape::PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* object = static_cast<TShape*>(BindOnCreate(hwnd, msg, lParam));
  if (object == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
  // A C++ exception must never unwind through the system's dispatch code.
  try {
    return object->WndProc(msg, wParam, lParam);
  } catch (...) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

INT_PTR CALLBACK TShape::PreDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* object = static_cast<TShape*>(GetPropA(hwnd, kDialogProperty));
  if (object == nullptr) {
    if (msg != WM_INITDIALOG) return FALSE;
    object = reinterpret_cast<TShape*>(lParam);
    if (object == nullptr) return FALSE;
    object->AttachHandle(hwnd);
    // The window only borrows its title-bar icons: the shape keeps them and
    // frees them after the window is gone.
    object->smallIcon_.Reset(static_cast<HICON>(
        LoadImageA(ProgramInstance(), "APPLICATION_ICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    object->bigIcon_.Reset(static_cast<HICON>(
        LoadImageA(ProgramInstance(), "APPLICATION_ICON", IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    PostMessageA(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(object->smallIcon_.Get()));
    PostMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(object->bigIcon_.Get()));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU));
    SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(object->title_.c_str()));
    SetPropA(hwnd, kDialogProperty, object);
  }
  try {
    return object->DlgProc(msg, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
}

LRESULT TShape::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const TDispatchResult answer = Dispatch(msg, wParam, lParam);
  if (answer.handled) return answer.result;
  return DefWindowProcA(handle_, msg, wParam, lParam);
}

LRESULT TShape::DlgProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  const TDispatchResult answer = Dispatch(msg, wParam, lParam);
  if (!answer.handled) return FALSE;
  if (msg == WM_CTLCOLORLISTBOX) return answer.result;
  SetWindowLongPtrA(handle_, 0 /* DWL_MSGRESULT */, answer.result);
  return TRUE;
}

TDispatchResult TShape::Dispatch(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_DESTROY:
      return TDispatchResult::NotHandled();
    case WM_SIZE:
      if (statusBar_ != nullptr) {
        RECT bar{};
        GetWindowRect(statusBar_, &bar);
        const int height = bar.bottom - bar.top;
        HDWP defer = BeginDeferWindowPos(1);
        if (defer != nullptr) {
          defer = DeferWindowPos(defer, statusBar_, nullptr, 0, HIWORD(lParam) - height, LOWORD(lParam),
                                 height, SWP_NOZORDER);
          if (defer != nullptr) EndDeferWindowPos(defer);
        }
        return TDispatchResult::Handled(0);
      }
      return TDispatchResult::NotHandled();
    case WM_SETFOCUS:
      FocusFirstTabStop(*this);
      return TDispatchResult::NotHandled();
    case WM_PAINT: {
      PAINTSTRUCT paint;
      BeginPaint(handle_, &paint);
      EndPaint(handle_, &paint);
      return TDispatchResult::Handled(0);
    }
    case WM_CLOSE:
      if (!CanClose()) return TDispatchResult::Handled(0);
      FinishClosing();
      return TDispatchResult::NotHandled();
    case WM_NOTIFY:
      if (OnNotify(wParam, lParam) == 1) return TDispatchResult::Handled(1);
      return TDispatchResult::NotHandled();
    case WM_COMMAND: {
      const int id = LOWORD(wParam);
      if (id == IDCANCEL && CloseOpenDropDownLists()) return TDispatchResult::Handled(-1);
      if (id == kContextHelpCommand) return TDispatchResult::Handled(0);
      OnCommand(id, reinterpret_cast<HWND>(lParam), HIWORD(wParam));
      return TDispatchResult::NotHandled();
    }
    case WM_SYSCOMMAND:
      return TDispatchResult::Handled(OnSysCommand(wParam, static_cast<short>(LOWORD(lParam)),
                                                   static_cast<short>(HIWORD(lParam))));
    default:
      return TDispatchResult::NotHandled();
  }
}

LRESULT TShape::OnSysCommand(WPARAM command, int x, int y) {
  return DefWindowProcA(handle_, WM_SYSCOMMAND, command, MAKELPARAM(x, y));
}

LRESULT TShape::OnCommand(int id, HWND control, int /*code*/) {
  if (id == IDCANCEL && control == nullptr) {
    PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  return -1;  // no content element took it
}

LRESULT TShape::OnNotify(WPARAM, LPARAM) { return 0; }

void TShape::FinishClosing() {
  if (sounding_) {
    PlaySoundA(nullptr, nullptr, SND_ASYNC);
    sounding_ = false;
  }
  OnClosing();
  if (owner_ == nullptr || !IsWindow(owner_)) return;
  if (notifyCommand_ != 0) {
    PostMessageA(owner_, WM_COMMAND, MAKEWPARAM(notifyCommand_, result_), reinterpret_cast<LPARAM>(handle_));
    return;
  }
  // The owner must be enabled again before this window goes, or the system
  // activates some other program's window instead of the owner.
  if (disabledOwner_) {
    EnableWindow(owner_, TRUE);
    disabledOwner_ = false;
  }
  if (IsWindowEnabled(owner_)) SetActiveWindow(owner_);
}

void TShape::Build() {
  RegisterShapeClass();
  OnPrepare();
  sounding_ = false;
  accelerators_.clear();
  CreateHandle();
  if (handle_ == nullptr) return;
  SetPropA(handle_, kDialogProperty, this);
  if (statusBarId_ != 0) {
    const int id = statusBarId_ == -1 ? controlIdCounter_ : statusBarId_;
    statusBar_ = CreateStatusWindowA(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, "", handle_,
                                     static_cast<UINT>(id));
  }
  controlIdCounter_ = 5000;
  if (!closable_) {
    EnableMenuItem(GetSystemMenu(handle_, FALSE), SC_CLOSE, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
  }
  OnInitialize();
  if (handle_ == nullptr || !IsWindow(handle_)) return;
  if (GetDlgItem(handle_, IDHELP) != nullptr) accelerators_.push_back({FVIRTKEY, VK_F1, IDHELP});
  if (show_) {
    ShowWindow(handle_, SW_SHOWNORMAL);
    UpdateWindow(handle_);
  }
}

int TShape::CleanUp() {
  accelerators_.clear();
  statusBar_ = nullptr;
  return result_;
}

bool TShape::FilterMessage(MSG& msg) {
  if (TranslateKeys(accelerators_, handle_, msg)) return true;
  if (IsDialogMessageA(handle_, &msg)) return true;
  return PreTranslate(msg);
}

int TShape::Run() {
  HWND focus = GetFocus();
  disabledOwner_ = false;
  ownerWasEnabled_ = false;
  if (owner_ != nullptr && IsWindow(owner_)) {
    ownerWasEnabled_ = IsWindowEnabled(owner_) != FALSE;
    if (ownerWasEnabled_) {
      EnableWindow(owner_, FALSE);
      disabledOwner_ = true;
    }
  }
  notifyCommand_ = 0;
  Build();
  if (handle_ != nullptr) SetForegroundWindow(handle_);

  MSG msg;
  bool quit = false;
  while (handle_ != nullptr && IsWindow(handle_)) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      quit = true;
      break;
    }
    if (got == -1) continue;
    bool consumed = false;
    if (GetActiveWindow() == handle_) consumed = FilterMessage(msg);
    if (!consumed) consumed = DispatchToModeless(msg);
    if (!consumed) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  handle_ = nullptr;
  const int result = CleanUp();
  // An owner this shape disabled must not stay disabled when the window went
  // without WM_CLOSE (destroyed with its owner, or by WM_QUIT).
  if (disabledOwner_ && owner_ != nullptr && IsWindow(owner_)) EnableWindow(owner_, TRUE);
  disabledOwner_ = false;
  if (focus != nullptr && IsWindow(focus)) SetFocus(focus);
  // A WM_QUIT taken here belongs to the outer loops too.
  if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
  return result;
}

void TShape::RunModeless(WORD notifyCommand) {
  notifyCommand_ = notifyCommand;
  disabledOwner_ = false;
  Build();
  AddModeless(this);
}

void TShape::EndShape(int result) {
  result_ = result;
  if (handle_ == nullptr || !IsWindow(handle_)) return;
  if (SendMessageA(handle_, WM_GETICON, ICON_SMALL, 0) == 0) {
    PostMessageA(handle_, WM_CLOSE, 0, 0);
    return;
  }
  if (!CanClose()) return;
  FinishClosing();
  EndDialog(handle_, result);
}
