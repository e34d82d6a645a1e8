#include <windows.h>

#include "framework/window/core/TranslateKeys.h"

#include <cstring>

#include "framework/window/core/ShapeCommands.h"
#include "framework/window/core/WindowUtils.h"

namespace {

DefaultButtonTest g_defaultButtonTest = nullptr;

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

bool SameClass(HWND hwnd, const char* name) { return lstrcmpiA(ClassNameOf(hwnd).c_str(), name) == 0; }

bool IsDefaultPushButton(HWND child) {
  if (SameClass(child, "Button")) {
    return (GetWindowLongA(child, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON;
  }
  return SameClass(child, "TransparentPushButton") && g_defaultButtonTest != nullptr &&
         g_defaultButtonTest(child);
}

// Enter in an edit that wants it types a line break instead of pressing a button.
bool FocusWantsReturn(HWND focus) {
  if (focus == nullptr) return false;
  if (!SameClass(focus, "EDIT") && !SameClass(focus, "TransparentEdit")) return false;
  const LONG style = GetWindowLongA(focus, GWL_STYLE);
  return (style & ES_WANTRETURN) != 0 && (style & ES_READONLY) == 0;
}

HWND DefaultButtonOf(HWND hwnd) {
  HWND focus = GetFocus();
  if (focus != nullptr && (SameClass(focus, "TransparentPushButton") || SameClass(focus, "Button"))) {
    return focus;
  }
  for (HWND child = FindWindowExA(hwnd, nullptr, nullptr, nullptr); child != nullptr;
       child = FindWindowExA(hwnd, child, nullptr, nullptr)) {
    if (IsDefaultPushButton(child)) return child;
  }
  return nullptr;
}

bool MenuItemUsable(HWND window, UINT command) {
  HMENU menu = GetSystemMenu(window, FALSE);
  if (menu == nullptr) return false;
  const UINT state = GetMenuState(menu, command, MF_BYCOMMAND);
  return state != static_cast<UINT>(-1) && (state & (MF_DISABLED | MF_GRAYED)) == 0;
}

}  // namespace

void SetDefaultButtonTest(DefaultButtonTest test) { g_defaultButtonTest = test; }

bool TakesKeysItself(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP: case WM_CHAR: case WM_SYSCHAR:
      break;
    default:
      return false;
  }
  if (msg.hwnd == nullptr || GetPropA(msg.hwnd, kTakesKeysProperty) == nullptr) return false;
  const bool modified = KeyDown(VK_CONTROL) || KeyDown(VK_MENU) || KeyDown(VK_SHIFT) || KeyDown(VK_LWIN) ||
                        KeyDown(VK_RWIN);
  if (modified) return true;
  // The characters of Tab, Enter and Esc are their keys' codes too.
  return msg.wParam != VK_TAB && msg.wParam != VK_RETURN && msg.wParam != VK_ESCAPE;
}

bool TranslateKeys(const TAcceleratorTable& accelerators, HWND hwnd, const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  const bool alt = KeyDown(VK_MENU);
  const bool control = KeyDown(VK_CONTROL);
  const bool shift = KeyDown(VK_SHIFT);

  for (const TAccelerator& entry : accelerators) {
    if (entry.key != msg.wParam) continue;
    if (((entry.flags & FALT) != 0) != alt) continue;
    if (((entry.flags & FCONTROL) != 0) != control) continue;
    if (((entry.flags & FSHIFT) != 0) != shift) continue;
    PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(entry.command, 1), 0);
    return true;
  }

  if (msg.wParam == VK_RETURN && !control && !alt && !FocusWantsReturn(GetFocus())) {
    HWND button = DefaultButtonOf(hwnd);
    if (button != nullptr) {
      PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), 1), reinterpret_cast<LPARAM>(button));
      return true;
    }
  }

  if (msg.message == WM_SYSKEYDOWN && (msg.wParam == VK_F5 || msg.wParam == VK_F3)) {
    const UINT command = msg.wParam == VK_F5 ? kAlwaysOnTopCommand : kTranslucentCommand;
    HWND active = GetActiveWindow();
    if (active != nullptr && MenuItemUsable(active, command)) {
      PostMessageA(active, WM_SYSCOMMAND, command, static_cast<LPARAM>(0xFFFF0000));
      return true;
    }
  }
  return false;
}
