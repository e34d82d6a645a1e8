#include <windows.h>

#include "framework/window/shapes/TShape.h"

#include <commctrl.h>
#include <mmsystem.h>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/system/LazyLibrary.h"
#include "framework/window/controls/TransparentControls.h"
#include "framework/window/core/Application.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/core/TranslateKeys.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/menus/IconMenu.h"
#include "framework/window/paint/BackgroundPicture.h"
#include "framework/window/shapes/pure/Captions.h"

namespace {

const char* const kDropDownListClass = "FloatComboListClass";
const char* const kDropDownListTitle = "DropDownList";

TShape* g_mainShape = nullptr;

bool IsRecolouringShape(const TShape* shape) { return g_mainShape == nullptr || g_mainShape == shape; }

}  // namespace

bool CloseOpenDropDownLists() {
  bool anyVisible = false;
  for (HWND list : CollectWindowsOf(nullptr, kDropDownListClass, kDropDownListTitle)) {
    if (IsWindowVisible(list)) anyVisible = true;
  }
  if (anyVisible) PostToWindowsOf(nullptr, kDropDownListClass, kDropDownListTitle, WM_KILLFOCUS, 0, 0);
  return anyVisible;
}

TShape::TShape(HWND owner, const char* title) : TWindow(owner) {
  SetTitle(title ? TString(title) : ApplicationName());
}

TShape::~TShape() {
  ForgetModeless(this);
  if (g_mainShape == this) g_mainShape = nullptr;
}

void TShape::SetMainShape(TShape* shape) { g_mainShape = shape; }

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
  // The controls of every shape's content paint on its background.
  RegisterTransparentClasses();
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
#if defined(__cpp_exceptions)
  try {
    return object->WndProc(msg, wParam, lParam);
  } catch (...) {
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
#else
  return object->WndProc(msg, wParam, lParam);
#endif
}

INT_PTR CALLBACK TShape::PreDlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* object = static_cast<TShape*>(GetPropA(hwnd, kShapeWindowProperty));
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
    SetPropA(hwnd, kShapeWindowProperty, object);
  }
#if defined(__cpp_exceptions)
  try {
    return object->DlgProc(msg, wParam, lParam);
  } catch (...) {
    return FALSE;
  }
#else
  return object->DlgProc(msg, wParam, lParam);
#endif
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
  LRESULT menuResult = 0;
  if (HandleIconMenuMessage(handle_, msg, wParam, lParam, menuResult)) return TDispatchResult::Handled(menuResult);
  switch (msg) {
    case WM_DESTROY:
      // The system menu goes with the window; its item objects go first.
      systemIcons_.reset();
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
    case WM_PAINT:
      OnPaint();
      return TDispatchResult::Handled(0);
    case WM_NCHITTEST: {
      // The whole background drags the shape, unless the right button is down
      // (a context menu is on its way).
      const LRESULT hit = DefWindowProcA(handle_, msg, wParam, lParam);
      if (hit == HTCLIENT && (GetKeyState(VK_RBUTTON) & 0x8000) == 0) return TDispatchResult::Handled(HTCAPTION);
      return TDispatchResult::Handled(hit);
    }
    case WM_SHOWWINDOW:
      for (TElement* element : paintList_) element->OnShow(*this, wParam != 0);
      return TDispatchResult::NotHandled();
    case WM_SETTINGCHANGE:
      if (wParam == SPI_SETNONCLIENTMETRICS) {
        if (IsRecolouringShape(this)) RecolourBackgroundPictures();
        // The menu font may have changed with the metrics.
        if (systemIcons_) RefreshIconMenu(*systemIcons_);
        if (helpIcons_) RefreshIconMenu(*helpIcons_);
        PostToAll(CollectWindowsOf(handle_, nullptr, nullptr), msg, wParam, lParam);
        InvalidateRect(handle_, nullptr, TRUE);
        return TDispatchResult::Handled(0);
      }
      return TDispatchResult::NotHandled();
    case WM_ACTIVATEAPP:
      PostToWindowsOf(handle_, kDropDownListClass, "", WM_SHOWWINDOW, wParam, 0);
      PostToWindowsOf(handle_, kClassName, nullptr, WM_ACTIVATEAPP, wParam, lParam);
      return TDispatchResult::NotHandled();
    case WM_NCACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
      CloseOpenDropDownLists();
      return TDispatchResult::NotHandled();
    case WM_CTLCOLORLISTBOX:
      if (!IsWindowEnabled(reinterpret_cast<HWND>(lParam))) {
        SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_BTNFACE));
        return TDispatchResult::Handled(reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE)));
      }
      return TDispatchResult::NotHandled();
    case WM_QUERYNEWPALETTE:
      return TDispatchResult::Handled(RealizeShapePalette(false) ? TRUE : FALSE);
    case WM_PALETTECHANGED:
      if (reinterpret_cast<HWND>(wParam) != handle_) RealizeShapePalette(true);
      return TDispatchResult::Handled(0);
    case WM_MENUSELECT:
      OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam));
      return TDispatchResult::NotHandled();
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (statusBar_ != nullptr && wParam == static_cast<WPARAM>(GetDlgCtrlID(statusBar_))) {
        DrawStatusPart(item);
        return TDispatchResult::Handled(TRUE);
      }
      if (item.CtlType == ODT_BUTTON && DrawTransparentPushButton(item)) return TDispatchResult::Handled(TRUE);
      return TDispatchResult::NotHandled();
    }
    case WM_MEASUREITEM: {
      auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (item.CtlType == ODT_BUTTON) {
        MeasurePushButton(GetDlgItem(handle_, static_cast<int>(item.CtlID)), item);
        return TDispatchResult::Handled(TRUE);
      }
      return TDispatchResult::NotHandled();
    }
    case WM_INITMENUPOPUP:
      if (HIWORD(lParam) != 0) {
        const bool topmost = (GetWindowLongA(handle_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        CheckMenuItem(reinterpret_cast<HMENU>(wParam), kAlwaysOnTopCommand,
                      MF_BYCOMMAND | (topmost ? MF_CHECKED : MF_UNCHECKED));
      }
      return TDispatchResult::NotHandled();
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wParam), static_cast<short>(LOWORD(lParam)),
                    static_cast<short>(HIWORD(lParam)));
      return TDispatchResult::Handled(0);
    case WM_HELP:
      OnHelp(*reinterpret_cast<const HELPINFO*>(lParam));
      return TDispatchResult::Handled(TRUE);
    case WM_HSCROLL:
    case WM_VSCROLL:
      if (content_.OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), static_cast<short>(HIWORD(wParam)))) {
        return TDispatchResult::Handled(0);
      }
      return TDispatchResult::NotHandled();
    case WM_ENTERSIZEMOVE:
      BeginSnapping();
      return TDispatchResult::NotHandled();
    case WM_MOVING:
      SnapWhileMoving(*reinterpret_cast<RECT*>(lParam));
      return TDispatchResult::Handled(TRUE);
    case WM_SIZING:
      SnapWhileSizing(static_cast<int>(wParam), *reinterpret_cast<RECT*>(lParam));
      return TDispatchResult::Handled(TRUE);
    case WM_EXITSIZEMOVE:
      EndSnapping();
      return TDispatchResult::NotHandled();
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
      if (id == kContextHelpCommand) {
        ShowContextHelp();
        return TDispatchResult::Handled(0);
      }
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
  bool handled = false;
  const LRESULT result = OnShapeSysCommand(command, x, y, handled);
  if (handled) return result;
  return DefWindowProcA(handle_, WM_SYSCOMMAND, command, MAKELPARAM(x, y));
}

LRESULT TShape::OnCommand(int id, HWND control, int code) {
  if (id == IDCANCEL && control == nullptr) {
    PostMessageA(handle_, WM_SYSCOMMAND, SC_CLOSE, 0);
    return 0;
  }
  return content_.OnCommand(id, control, code) ? 0 : -1;
}

LRESULT TShape::OnNotify(WPARAM wParam, LPARAM lParam) { return content_.OnNotify(wParam, lParam) ? 1 : 0; }

void TShape::FinishClosing() {
  if (sounding_) {
    LazyPlaySound(nullptr, nullptr, SND_ASYNC);
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
  ShapeBackground();
  contextHelp_ = false;
  OnPrepare();
  sounding_ = false;
  paintList_.clear();
  accelerators_.clear();
  // Before anything takes an id: every build of the shape gives the same
  // ids, and the status bar's never meets a control's.
  controlIdCounter_ = kGeneratedIdBase;
  CreateHandle();
  if (handle_ == nullptr) return;
  SetPropA(handle_, kShapeWindowProperty, this);
  ExtendSystemMenu();
  systemIcons_ = AttachSystemMenuIcons(handle_);
  if (statusBarId_ != 0 && !statusBarWhenShown_) MakeStatusBar();
  CreateContent();
  if (contextHelp_) MakeHelpMenu();
  OnInitialize();
  if (handle_ == nullptr || !IsWindow(handle_)) return;
  if (GetDlgItem(handle_, IDHELP) != nullptr) accelerators_.push_back({FVIRTKEY, VK_F1, IDHELP});
  PositionAfterBuild();
  lastRectangle_ = WindowRectangle();
}

void TShape::CreateContent() {
  captions_.clear();
  HDC dc = GetDC(handle_);
  HGDIOBJ previous = dc != nullptr ? SelectObject(dc, Font()) : nullptr;
  const TLayoutSize size = content_.Measure(*this, dc);
  if (dc != nullptr) {
    SelectObject(dc, previous);
    ReleaseDC(handle_, dc);
  }
  AssignAccelerators(captions_);
  int statusHeight = 0;
  if (statusBar_ != nullptr) {
    RECT bar{};
    GetWindowRect(statusBar_, &bar);
    statusHeight = bar.bottom - bar.top;
  }
  content_.Create(*this, horizontalMargin_, verticalMargin_);
  SetClientSize(size.width + 2 * horizontalMargin_, size.height + 2 * verticalMargin_ + statusHeight);
  for (HWND child = GetWindow(handle_, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
  }
}

void TShape::MakeStatusBar() {
  const int id = statusBarId_ == -1 ? kGeneratedIdBase : statusBarId_;
  statusBar_ = LazyCreateStatusWindow(WS_CHILD | WS_VISIBLE | CCS_BOTTOM | SBARS_SIZEGRIP, "", handle_,
                                      static_cast<UINT>(id));
}

void TShape::EnsureStatusBar() {
  if (statusBar_ != nullptr || statusBarId_ == 0 || handle_ == nullptr) return;
  MakeStatusBar();
  if (statusBar_ == nullptr) return;
  // The content keeps its place; the window grows by the bar below it.
  RECT client{};
  RECT bar{};
  GetClientRect(handle_, &client);
  GetWindowRect(statusBar_, &bar);
  SetClientSize(client.right - client.left, client.bottom - client.top + bar.bottom - bar.top);
  SendMessageA(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(Font()), TRUE);
}

void TShape::AddCaption(TString* caption) {
  if (caption != nullptr) captions_.push_back(caption);
}

void TShape::AddToPaintList(TElement* element) {
  if (element != nullptr) paintList_.push_back(element);
}

HFONT TShape::Font() const { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

void TShape::Save(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) {
    content_.Save(keys);
    return;
  }
  TRegSection section = OpenSection(keys, SettingsName());
  content_.Save(section.Keys());
}

void TShape::Load(const TRegKeyList& keys) {
  if (SettingsName().IsEmpty()) {
    content_.Load(keys);
    return;
  }
  TRegSection section = OpenSection(keys, SettingsName());
  content_.Load(section.Keys());
}

bool TShape::RealizeShapePalette(bool background) {
  HPALETTE palette = ShapeBackground()->Palette();
  if (palette == nullptr || handle_ == nullptr) return false;
  HDC dc = GetDC(handle_);
  if (dc == nullptr) return false;
  HPALETTE previous = SelectPalette(dc, palette, background ? TRUE : FALSE);
  const UINT changed = RealizePalette(dc);
  // Another window's palette took the colours: remap what is shown now.
  if (changed != 0 && changed != GDI_ERROR) {
    if (background) {
      UpdateColors(dc);
    } else {
      InvalidateRect(handle_, nullptr, TRUE);
    }
  }
  SelectPalette(dc, previous, TRUE);
  ReleaseDC(handle_, dc);
  return changed != 0 && changed != GDI_ERROR;
}

void TShape::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(handle_, &paint);
  if (dc == nullptr) return;
  if (!IsPaletteDisplay(dc)) {
    RECT client{};
    GetClientRect(handle_, &client);
    if (statusBar_ != nullptr) {
      RECT bar{};
      GetWindowRect(statusBar_, &bar);
      client.bottom -= bar.bottom - bar.top;
    }
    DrawBackground(*ShapeBackground(), dc, client.left, client.top, client.right - client.left,
                   client.bottom - client.top);
  }
  for (TElement* element : paintList_) element->Paint(*this, dc);
  EndPaint(handle_, &paint);
}

int TShape::CleanUp() {
  accelerators_.clear();
  if (handle_ != nullptr && IsWindow(handle_) && IsWindowVisible(handle_)) {
    for (TElement* element : paintList_) element->OnShow(*this, false);
  }
  content_.OnClose(*this);
  systemIcons_.reset();
  helpIcons_.reset();
  helpMenu_.Reset();
  statusBar_ = nullptr;
  positionMenu_ = nullptr;
  return result_;
}

bool TShape::FilterMessage(MSG& msg) {
  if (TakesKeysItself(msg)) return false;
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
  // A shape the user sees comes to the front; a hidden one (the main window
  // in the tray) must not take the keyboard from the window the user types in.
  if (handle_ != nullptr && IsWindowVisible(handle_)) SetForegroundWindow(handle_);

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

void TShape::ForgetWindow() {
  ClearHandle();
  CleanUp();
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
