#include <windows.h>

#include "framework/window/controls/TransparentControls.h"

#include "framework/icons/IconSource.h"
#include "framework/window/core/TWindow.h"
#include "framework/window/core/TranslateKeys.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/paint/BackgroundPicture.h"
#include "framework/window/paint/ButtonPainting.h"
#include "framework/window/paint/HaloText.h"

namespace {

TSuperclass g_edit;
TSuperclass g_static;
// One record under two names: "TransparentButton" and "TransparentPushButton".
TSuperclass g_button;

// How much more than the control the parent repaints: the halo of its text
// reaches two pixels beyond it.
constexpr int kRepaintMargin = 2;

bool IsClass(HWND hwnd, const char* name) {
  char found[64] = "";
  return hwnd != nullptr && GetClassNameA(hwnd, found, sizeof found) > 0 && lstrcmpiA(found, name) == 0;
}

bool IsPushButton(HWND hwnd) { return IsClass(hwnd, kTransparentPushButtonClass); }

bool HasPushStyle(HWND hwnd) {
  const LONG type = GetWindowLongA(hwnd, GWL_STYLE) & BS_TYPEMASK;
  return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW;
}

// The parent repaints its background under the control and the controls
// there paint over it again: with no erase of their own, this is how a
// transparent control gets rid of what it showed before.
void RepaintParentUnder(HWND control) {
  HWND parent = GetParent(control);
  if (parent == nullptr) {
    InvalidateRect(control, nullptr, TRUE);
    return;
  }
  RECT rect{};
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  InflateRect(&rect, kRepaintMargin, kRepaintMargin);
  RedrawWindow(parent, &rect, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// After the focus moved to or from a push button, every push button of the
// parent repaints once the move is complete, so that the default frame ends
// up on the right one.
void RepaintPushButtonsOf(HWND parent) {
  for (HWND child = FindWindowExA(parent, nullptr, kTransparentPushButtonClass, nullptr); child != nullptr;
       child = FindWindowExA(parent, child, kTransparentPushButtonClass, nullptr)) {
    InvalidateRect(child, nullptr, FALSE);
  }
}

bool IsDefaultPushButton(HWND button) {
  const TButtonDescriptor* descriptor = PushButtonDescriptor(button);
  return descriptor != nullptr && descriptor->isDefault;
}

// The focused push button shows the frame; with none of the parent's push
// buttons focused, the default button does.
bool ShowsDefaultFrame(HWND button, bool focused) {
  if (focused) return true;
  HWND focus = GetFocus();
  if (focus != nullptr && focus != button && GetParent(focus) == GetParent(button) && IsPushButton(focus)) {
    return false;
  }
  return IsDefaultPushButton(button);
}

// Selects the control's font for a paint and the previous one back.
class TControlFont {
 public:
  TControlFont(HWND control, HDC dc) : dc_(dc) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    previous_ = SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
  }
  ~TControlFont() {
    if (previous_ != nullptr) SelectObject(dc_, previous_);
  }
  TControlFont(const TControlFont&) = delete;
  TControlFont& operator=(const TControlFont&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

void PaintEdit(HWND edit) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(edit, &paint);
  if (dc != nullptr) {
    TControlFont font(edit, dc);
    const bool enabled = IsWindowEnabled(edit) != FALSE;
    DrawHaloText(dc, OwnWindowText(edit), 1, 0, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_BTNSHADOW),
                 GetSysColor(COLOR_BTNFACE), true, !IsPaletteDisplay(dc));
  }
  EndPaint(edit, &paint);
}

// The text kinds of statics; pictures and frames stay the system's.
bool IsTextStatic(LONG style) {
  switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP:
      return true;
    default:
      return false;
  }
}

// A label is laid out as the system static lays it out (alignment, word
// wrap, the ampersand), so that a label keeps its size whichever paints it.
UINT StaticFormat(LONG style) {
  UINT format = DT_TOP | DT_EXPANDTABS;
  switch (style & SS_TYPEMASK) {
    case SS_CENTER: format |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: format |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_LEFT: format |= DT_LEFT | DT_WORDBREAK; break;
    default: format |= DT_LEFT | DT_SINGLELINE; break;
  }
  if ((style & SS_NOPREFIX) != 0) format |= DT_NOPREFIX;
  return format;
}

void PaintStatic(HWND label) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(label, &paint);
  if (dc != nullptr) {
    TControlFont font(label, dc);
    RECT client{};
    GetClientRect(label, &client);
    DrawHaloCaption(dc, OwnWindowText(label), client, StaticFormat(GetWindowLongA(label, GWL_STYLE)),
                    GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE), IsWindowEnabled(label) != FALSE,
                    !IsPaletteDisplay(dc));
  }
  EndPaint(label, &paint);
}

void PaintCheckOrGroup(HWND button) {
  PAINTSTRUCT paint{};
  HDC dc = BeginPaint(button, &paint);
  if (dc != nullptr) {
    RECT client{};
    GetClientRect(button, &client);
    TButtonLook look;
    look.enabled = IsWindowEnabled(button) != FALSE;
    look.checkState = static_cast<int>(g_button.CallSystem(button, BM_GETCHECK, 0, 0));
    look.pressed = (g_button.CallSystem(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    PaintButton(button, dc, client, look);
  }
  EndPaint(button, &paint);
}

// Messages after which the system button has painted itself directly (its
// own opaque look) or changed what it shows.
bool ChangesButtonLook(UINT msg) {
  switch (msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_UPDATEUISTATE:
      return true;
    default:
      return false;
  }
}

}  // namespace

LRESULT CALLBACK TTransparentEditbox::PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_edit.ObjectOf(hwnd) == nullptr) return g_edit.CallSystem(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_ERASEBKGND:
      if (GetFocus() != hwnd) return 0;
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      RepaintParentUnder(hwnd);
      break;
    case WM_PAINT:
      PaintEdit(hwnd);
      return 0;
    case WM_SETTEXT:
    case WM_SETFONT: {
      const LRESULT result = g_edit.CallSystem(hwnd, msg, wParam, lParam);
      RepaintParentUnder(hwnd);
      return result;
    }
    default:
      break;
  }
  return g_edit.CallSystem(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TTransparentStatic::PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (g_static.ObjectOf(hwnd) == nullptr) return g_static.CallSystem(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_ERASEBKGND:
      if (GetFocus() != hwnd) return 0;
      break;
    case WM_PAINT:
      if (!IsTextStatic(GetWindowLongA(hwnd, GWL_STYLE))) break;
      PaintStatic(hwnd);
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT: {
      // The system static paints a new text at once, on its own ground.
      const LRESULT result = g_static.CallSystem(hwnd, msg, wParam, lParam);
      RepaintParentUnder(hwnd);
      return result;
    }
    default:
      break;
  }
  return g_static.CallSystem(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TTransparentButton::PreWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_MEASUREITEM && lParam != 0) {
    auto& item = *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    if (item.CtlType == ODT_BUTTON) {
      MeasurePushButton(hwnd, item);
      return TRUE;
    }
  }
  if (g_button.ObjectOf(hwnd) == nullptr) return g_button.CallSystem(hwnd, msg, wParam, lParam);
  const bool pushButton = HasPushStyle(hwnd);
  switch (msg) {
    case WM_ERASEBKGND:
      if (GetFocus() != hwnd) return 0;
      break;
    case WM_PAINT:
      // A focused check box keeps the system's look, focus cue included.
      if (pushButton || GetFocus() == hwnd) break;
      PaintCheckOrGroup(hwnd);
      return 0;
    default:
      break;
  }
  const LRESULT result = g_button.CallSystem(hwnd, msg, wParam, lParam);
  if (pushButton) {
    if (msg == WM_SETFOCUS || msg == WM_KILLFOCUS) RepaintPushButtonsOf(GetParent(hwnd));
    if (msg == WM_ENABLE) RepaintParentUnder(hwnd);
  } else if (ChangesButtonLook(msg)) {
    RepaintParentUnder(hwnd);
  }
  return result;
}

void RegisterTransparentClasses() {
  static bool registered = false;
  if (registered) return;
  registered = g_edit.Register("EDIT", kTransparentEditClass, TTransparentEditbox::PreWndProc) &&
               g_static.Register("STATIC", kTransparentStaticClass, TTransparentStatic::PreWndProc) &&
               g_button.Register("BUTTON", kTransparentButtonClass, TTransparentButton::PreWndProc) &&
               g_button.Register("BUTTON", kTransparentPushButtonClass, TTransparentButton::PreWndProc);
  SetDefaultButtonTest(IsDefaultPushButton);
}

void BindTransparentControl(HWND control, void* object) {
  if (control == nullptr) return;
  if (IsClass(control, kTransparentEditClass)) {
    g_edit.Bind(control, object);
  } else if (IsClass(control, kTransparentStaticClass)) {
    g_static.Bind(control, object);
  } else if (IsClass(control, kTransparentButtonClass) || IsPushButton(control)) {
    g_button.Bind(control, object);
  } else {
    return;
  }
  // What showed before binding was the system's opaque look.
  RepaintParentUnder(control);
}

void BindPushButton(HWND button, TButtonDescriptor* descriptor) {
  if (button == nullptr || descriptor == nullptr || !IsPushButton(button)) return;
  descriptor->handle = button;
  g_button.Bind(button, descriptor);
  if (descriptor->icon != nullptr) {
    SendMessageA(button, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(descriptor->icon->GetIcon(kSmallIcon)));
    SendMessageA(button, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(descriptor->icon->GetIcon(kLargeIcon)));
  }
  InvalidateRect(button, nullptr, FALSE);
}

TButtonDescriptor* PushButtonDescriptor(HWND button) {
  if (!IsPushButton(button) || g_button.systemProc == nullptr) return nullptr;
  return static_cast<TButtonDescriptor*>(g_button.ObjectOf(button));
}

bool DrawTransparentPushButton(const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_BUTTON || !IsPushButton(item.hwndItem)) return false;
  TButtonLook look;
  look.enabled = (item.itemState & ODS_DISABLED) == 0;
  look.focused = (item.itemState & ODS_FOCUS) != 0;
  look.pressed = (item.itemState & ODS_SELECTED) != 0;
  look.focusCue = (item.itemState & ODS_NOFOCUSRECT) == 0;
  look.defaultFrame = ShowsDefaultFrame(item.hwndItem, look.focused);
  PaintButton(item.hwndItem, item.hDC, item.rcItem, look);
  return true;
}

void MeasurePushButton(HWND button, MEASUREITEMSTRUCT& item) {
  RECT rect{};
  if (button != nullptr && GetWindowRect(button, &rect)) {
    item.itemWidth = static_cast<UINT>(rect.right - rect.left);
    item.itemHeight = static_cast<UINT>(rect.bottom - rect.top);
    return;
  }
  item.itemWidth = kPushButtonWidth;
  item.itemHeight = kPushButtonHeight;
}
