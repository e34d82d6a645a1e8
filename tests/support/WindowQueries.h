#pragma once
// Finding and watching top-level windows from a test, with polling waits that
// keep the calling thread's own windows answering while they wait.
#include <windows.h>

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct WindowFilter {
  std::string className;             // exact; empty = any class
  std::optional<std::string> title;  // exact Shift-JIS bytes; nothing = any title
  DWORD processId = 0;               // 0 = any process
};

// Matching top-level windows, front to back. Titles are read with a bounded
// send, so a hung window never matches a title filter but never blocks either.
std::vector<HWND> FindTopLevelWindows(const WindowFilter& filter);
// The first match, waiting up to `timeoutMs`; null on time-out.
HWND WaitForWindow(const WindowFilter& filter, DWORD timeoutMs);
bool WaitForWindowGone(HWND window, DWORD timeoutMs);

// The exact title bytes (WM_GETTEXT through SendMessageTimeoutA with
// SMTO_BLOCK | SMTO_ABORTIFHUNG); nothing when the window does not answer.
std::optional<std::string> ReadWindowTitle(HWND window, DWORD timeoutMs = 1000);
std::string WindowClassName(HWND window);
DWORD WindowProcessId(HWND window);

struct WindowState {
  bool exists = false;
  bool visible = false;
  bool iconic = false;
  bool enabled = false;
  friend bool operator==(const WindowState& a, const WindowState& b) {
    return a.exists == b.exists && a.visible == b.visible && a.iconic == b.iconic && a.enabled == b.enabled;
  }
  friend bool operator!=(const WindowState& a, const WindowState& b) { return !(a == b); }
};
std::ostream& operator<<(std::ostream& out, const WindowState& state);
WindowState ReadWindowState(HWND window);
// Waits until the window's state is `wanted`; the last state seen goes to `last`.
bool WaitForWindowState(HWND window, const WindowState& wanted, DWORD timeoutMs, WindowState* last = nullptr);

// Raises `window` until it is the topmost visible window that is no tool
// window (the first one a list of storable windows shows); false after `timeoutMs`.
bool RaiseAboveOtherWindows(HWND window, DWORD timeoutMs);

// WM_NULL through SendMessageTimeoutW with SMTO_BLOCK | SMTO_ABORTIFHUNG
// (the W form: Wine's A form ignores the time-out on some messages).
bool IsWindowResponsive(HWND window, DWORD timeoutMs);

// Polls `done` every `pollMs` until it is true or `timeoutMs` has passed,
// dispatching the calling thread's messages meanwhile.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs = 10);
// Dispatches the calling thread's messages for `ms` milliseconds.
void PumpMessagesFor(DWORD ms);
// Dispatches the messages the calling thread has waiting, and returns.
void PumpWaitingMessages();
