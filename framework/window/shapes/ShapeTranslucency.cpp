#include <windows.h>

// Translucent shapes, where the system has layered windows: alpha or a colour
// key, as the "View" settings say. Systems without SetLayeredWindowAttributes
// get neither the menu item nor any effect.
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/shapes/TShape.h"

namespace {

#ifndef LWA_COLORKEY
constexpr DWORD LWA_COLORKEY = 0x1;
constexpr DWORD LWA_ALPHA = 0x2;
#endif
#ifndef WS_EX_LAYERED
constexpr LONG WS_EX_LAYERED = 0x80000;
#endif
constexpr DWORD kAlphaStyle = 2;
constexpr DWORD kDefaultAlpha = 180;

using TSetLayeredWindowAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

TSetLayeredWindowAttributes LayeringFunction() {
  // Looked up once: the answer belongs to the system, not to the window.
  static const TSetLayeredWindowAttributes function = [] {
    HMODULE user = GetModuleHandleA("USER32.DLL");
    // Through the generic function type, which any function pointer may pass.
    FARPROC found = user != nullptr ? GetProcAddress(user, "SetLayeredWindowAttributes") : nullptr;
    return reinterpret_cast<TSetLayeredWindowAttributes>(reinterpret_cast<void (*)()>(found));
  }();
  return function;
}

DWORD ViewSetting(const char* name, DWORD fallback) {
  TRegSection view(LibraryKeys(), "View");
  return TRegDword(view.Keys(), name).Get(fallback);
}

void CheckTranslucentItem(HWND window, bool on) {
  CheckMenuItem(GetSystemMenu(window, FALSE), kTranslucentCommand, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

void AddLayeredStyle(HWND window) {
  SetWindowLongA(window, GWL_EXSTYLE, GetWindowLongA(window, GWL_EXSTYLE) | WS_EX_LAYERED);
}

}  // namespace

bool TShape::HasLayering() { return LayeringFunction() != nullptr; }

void TShape::SetTranslucent(bool on) {
  if (!HasLayering() || handle_ == nullptr) return;
  if (on) {
    if (ViewSetting("TransparentStyle", kAlphaStyle) == kAlphaStyle) {
      ApplyAlpha(static_cast<BYTE>(ViewSetting("TransparentAlphaLevel", kDefaultAlpha) & 0xFF));
    } else {
      ApplyColorKey(ViewSetting("TransparentColor", GetSysColor(COLOR_BTNFACE)));
    }
    return;
  }
  LayeringFunction()(handle_, 0, 255, LWA_ALPHA);
  SetWindowLongA(handle_, GWL_EXSTYLE, GetWindowLongA(handle_, GWL_EXSTYLE) & ~WS_EX_LAYERED);
  CheckTranslucentItem(handle_, false);
}

void TShape::ApplyAlpha(BYTE alpha) {
  if (!HasLayering() || handle_ == nullptr) return;
  AddLayeredStyle(handle_);
  LayeringFunction()(handle_, 0, alpha, LWA_ALPHA);
  CheckTranslucentItem(handle_, true);
}

void TShape::ApplyColorKey(COLORREF colour) {
  if (!HasLayering() || handle_ == nullptr) return;
  AddLayeredStyle(handle_);
  LayeringFunction()(handle_, colour, 0, LWA_COLORKEY);
  CheckTranslucentItem(handle_, true);
}
