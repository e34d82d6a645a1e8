#include <windows.h>

#include "framework/window/menus/MenuFocus.h"

#include "framework/base/Owners.h"
#include "framework/system/SystemQueries.h"

namespace {

constexpr char kKeyTargetClass[] = "TMenuKeyTarget";
constexpr UINT kRetryMs = 40;
constexpr int kMaxTries = 50;  // two seconds: the menu stays usable with the mouse whatever happens


// One menu tracks at a time on the program's one window thread.
struct TKeyTarget {
  HWND owner = nullptr;
  TOwnedWindow window;
  UINT_PTR timer = 0;
  int tries = 0;
};
TKeyTarget g_target;

// Wine gives the X focus to the foreground window's X window. Making the
// target foreground and then the owner again leaves the X focus on the target
// (the owner has no X window to take it) and the owner foreground, as Windows
// wants it.
void DrawKeys() {
  SetForegroundWindow(g_target.window.Get());
  SetForegroundWindow(g_target.owner);
}

void StopRetrying() {
  if (g_target.timer != 0) KillTimer(nullptr, g_target.timer);
  g_target.timer = 0;
}

// The X server drops a focus request whose time stamp it finds too old or too
// new, and Wine stamps it from its own estimate of the server's clock: made
// just after the click gave Wine's tray the X focus, the request is often
// dropped (measured from the second opening on, even 300 ms later), made again
// it lands within a few tries. Wine shows that it has landed by making the
// window that got the X focus its foreground window.
VOID CALLBACK RetryDrawingKeys(HWND, UINT, UINT_PTR, DWORD) {
  if (GetForegroundWindow() == g_target.window.Get()) {
    SetForegroundWindow(g_target.owner);
    StopRetrying();
    return;
  }
  if (++g_target.tries > kMaxTries) {
    StopRetrying();
    return;
  }
  DrawKeys();
}

// A window mapped for X but invisible and deaf to clicks: an empty region.
HWND CreateKeyTarget(HWND owner, POINT at) {
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  static const ATOM registered = [instance] {
    WNDCLASSA record = {};
    record.lpfnWndProc = DefWindowProcA;
    record.hInstance = instance;
    record.lpszClassName = kKeyTargetClass;
    return RegisterClassA(&record);
  }();
  if (registered == 0) return nullptr;
  const HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, kKeyTargetClass, "", WS_POPUP, at.x, at.y, 1, 1, owner,
                                      nullptr, instance, nullptr);
  if (window == nullptr) return nullptr;
  const HRGN empty = CreateRectRgn(0, 0, 0, 0);
  // The window owns a region it was given; one it refused is still ours.
  if (empty != nullptr && SetWindowRgn(window, empty, FALSE) == 0) DeleteObject(empty);
  ShowWindow(window, SW_SHOWNA);
  return window;
}

}  // namespace

TMenuKeyboard::TMenuKeyboard(HWND owner, POINT at) : owner_(owner) {
  // Only Wine needs the key target, and only Wine may have it: on Windows the
  // foreground thread gets the keys already, and moving the foreground while a
  // menu tracks could end the menu.
  if (RunsUnderWine() && !g_target.window) {
    g_target.owner = owner;
    g_target.window.Reset(CreateKeyTarget(owner, at));
    g_target.tries = 0;
    if (g_target.window) {
      drawsKeys_ = true;
      DrawKeys();
      g_target.timer = SetTimer(nullptr, 0, kRetryMs, RetryDrawingKeys);
    }
  }
  // Without the foreground the menu would not close when the user clicks elsewhere.
  if (GetForegroundWindow() != owner) SetForegroundWindow(owner);
}

TMenuKeyboard::~TMenuKeyboard() {
  if (drawsKeys_) {
    StopRetrying();
    if (GetForegroundWindow() == g_target.window.Get()) SetForegroundWindow(owner_);
    g_target.window.Reset();
    g_target.owner = nullptr;
  }
  // Windows' rule for a menu of a background program: without a message after
  // it, the next menu may close as soon as it opens.
  PostMessageA(owner_, WM_NULL, 0, 0);
}

BOOL TrackMenuWithKeys(HMENU menu, UINT flags, POINT at, HWND owner) {
  const TMenuKeyboard keyboard(owner, at);
  return TrackPopupMenu(menu, flags, at.x, at.y, 0, owner, nullptr);
}
