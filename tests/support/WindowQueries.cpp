#include <windows.h>

#include "tests/support/WindowQueries.h"

namespace {

constexpr DWORD kTitleMatchTimeoutMs = 200;

BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
  reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
  return TRUE;
}

void PumpPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

std::vector<HWND> FindTopLevelWindows(const WindowFilter& filter) {
  std::vector<HWND> all, found;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    if (!filter.className.empty() && WindowClassName(window) != filter.className) continue;
    if (filter.processId && WindowProcessId(window) != filter.processId) continue;
    if (filter.title) {
      const std::optional<std::string> title = ReadWindowTitle(window, kTitleMatchTimeoutMs);
      if (!title || *title != *filter.title) continue;
    }
    found.push_back(window);
  }
  return found;
}

HWND WaitForWindow(const WindowFilter& filter, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> windows = FindTopLevelWindows(filter);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
  return WaitUntil([window] { return !IsWindow(window); }, timeoutMs);
}

std::optional<std::string> ReadWindowTitle(HWND window, DWORD timeoutMs) {
  std::string buffer(65536, '\0');
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]),
                           SMTO_BLOCK | SMTO_ABORTIFHUNG, timeoutMs, &length))
    return std::nullopt;
  buffer.resize(length < buffer.size() ? length : buffer.size() - 1);
  return buffer;
}

std::string WindowClassName(HWND window) {
  char name[256] = "";
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string(name, length > 0 ? length : 0);
}

DWORD WindowProcessId(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

std::ostream& operator<<(std::ostream& out, const WindowState& state) {
  return out << "{exists " << state.exists << ", visible " << state.visible << ", iconic " << state.iconic
             << ", enabled " << state.enabled << "}";
}

WindowState ReadWindowState(HWND window) {
  WindowState state;
  state.exists = IsWindow(window) != FALSE;
  if (!state.exists) return state;
  state.visible = IsWindowVisible(window) != FALSE;
  state.iconic = IsIconic(window) != FALSE;
  state.enabled = IsWindowEnabled(window) != FALSE;
  return state;
}

bool WaitForWindowState(HWND window, const WindowState& wanted, DWORD timeoutMs, WindowState* last) {
  WindowState seen;
  const bool reached = WaitUntil(
      [&] {
        seen = ReadWindowState(window);
        return seen == wanted;
      },
      timeoutMs);
  if (last) *last = seen;
  return reached;
}

bool IsWindowResponsive(HWND window, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs, DWORD pollMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    PumpPending();
    if (done()) return true;
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= timeoutMs) return false;
    const DWORD wait = timeoutMs - elapsed < pollMs ? timeoutMs - elapsed : pollMs;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
  }
}

void PumpMessagesFor(DWORD ms) {
  WaitUntil([] { return false; }, ms);
}

void PumpWaitingMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

bool RaiseAboveOtherWindows(HWND window, DWORD timeoutMs) {
  return WaitUntil(
      [&] {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
          if (IsWindowVisible(w) && (GetWindowLongA(w, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) == 0) return w == window;
        }
        return false;
      },
      timeoutMs, 50);
}
