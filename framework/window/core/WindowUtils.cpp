#include <windows.h>

#include "framework/window/core/WindowUtils.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/system/WideText.h"
#include "framework/text/ShiftJis.h"
#include "framework/window/core/TWindow.h"

namespace {
const char kUnknownTitle[] = "不明";
constexpr UINT kQueryFlags = SMTO_BLOCK | SMTO_ABORTIFHUNG;
constexpr UINT kBroadcastTimeoutMs = 5000;
}  // namespace

int SafeGetWindowText(HWND hwnd, TString& text) {
  // The length is asked through the wide form: the ANSI form makes some
  // systems send a second, untimed WM_GETTEXT to convert the length, which
  // hangs on a hung window. The wide count is in UTF-16 units, so the ANSI
  // buffer allows two bytes for each.
  DWORD_PTR length = 0;
  if (hwnd == nullptr ||
      SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, kQueryFlags, kTitleQueryTimeoutMs, &length) == 0) {
    text = TString(kUnknownTitle);
    return -1;
  }
  return SafeGetWindowTextOfLength(hwnd, length, text);
}

int SafeGetWindowTextOfLength(HWND hwnd, size_t length, TString& text) {
  // The length is the other program's word: a broken or hostile window may
  // claim a gigabyte. Longer titles are cut to what a menu or tip can show.
  const size_t size = 2 * std::min<size_t>(length, kMaxTitleLength) + 16;
  std::vector<char> buffer(size, '\0');
  DWORD_PTR copied = 0;
  if (hwnd == nullptr || SendMessageTimeoutA(hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer.data()),
                                             kQueryFlags, kTitleQueryTimeoutMs, &copied) == 0) {
    text = TString(kUnknownTitle);
    return -1;
  }
  // Trust the terminator, not the count: a window procedure may report more
  // than it wrote.
  buffer[size - 1] = '\0';
  const size_t copiedLength = std::strlen(buffer.data());
  text = TString(buffer.data(), WholeCharacterLength(buffer.data(), copiedLength));
  return static_cast<int>(text.Length());
}

int SafeGetWideWindowText(HWND hwnd, TWideText& text) {
  DWORD_PTR length = 0;
  if (hwnd == nullptr ||
      SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, kQueryFlags, kTitleQueryTimeoutMs, &length) == 0) {
    text = WideFromAnsi(TString(kUnknownTitle));
    return -1;
  }
  return SafeGetWideWindowTextOfLength(hwnd, length, text);
}

int SafeGetWideWindowTextOfLength(HWND hwnd, size_t length, TWideText& text) {
  const size_t size = std::min<size_t>(length, kMaxTitleLength) + 16;
  std::vector<WCHAR> buffer(size, L'\0');
  DWORD_PTR copied = 0;
  if (hwnd == nullptr || SendMessageTimeoutW(hwnd, WM_GETTEXT, size, reinterpret_cast<LPARAM>(buffer.data()),
                                             kQueryFlags, kTitleQueryTimeoutMs, &copied) == 0) {
    text = WideFromAnsi(TString(kUnknownTitle));
    return -1;
  }
  buffer[size - 1] = L'\0';
  size_t end = 0;
  while (buffer[end] != L'\0') ++end;
  // A title cut at the buffer's end may stop after half a surrogate pair.
  if (end > 0 && buffer[end - 1] >= 0xD800 && buffer[end - 1] <= 0xDBFF) --end;
  text.assign(reinterpret_cast<const char16_t*>(buffer.data()), end);
  return static_cast<int>(end);
}

TString OwnWindowText(HWND hwnd) {
  const int length = GetWindowTextLengthA(hwnd);
  if (length <= 0) return TString();
  std::vector<char> buffer(static_cast<size_t>(length) + 2, '\0');
  const int copied = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return TString(buffer.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

TString ClassNameOf(HWND hwnd) {
  char name[256] = {};
  const int length = GetClassNameA(hwnd, name, sizeof name);
  return length > 0 ? TString(name, static_cast<size_t>(length)) : TString();
}

HWND TopLevelAncestor(HWND hwnd) {
  while (hwnd != nullptr && IsWindow(hwnd) && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0) {
    hwnd = GetParent(hwnd);
  }
  return hwnd;
}

THandleList CollectWindowsOf(HWND parent, const char* className, const char* title) {
  THandleList windows;
  for (HWND hwnd = FindWindowExA(parent, nullptr, className, title); hwnd != nullptr;
       hwnd = FindWindowExA(parent, hwnd, className, title)) {
    windows.push_back(hwnd);
  }
  return windows;
}

THandleList CollectTopLevelWindows() { return CollectWindowsOf(nullptr, nullptr, nullptr); }

void PostToWindowsOf(HWND parent, const char* className, const char* title, UINT msg, WPARAM wParam,
                     LPARAM lParam) {
  PostToAll(CollectWindowsOf(parent, className, title), msg, wParam, lParam);
}

void SendToWindowsOf(HWND parent, const char* className, const char* title, UINT msg, WPARAM wParam,
                     LPARAM lParam) {
  SendToAll(CollectWindowsOf(parent, className, title), msg, wParam, lParam);
}

void PostToAll(const THandleList& windows, UINT msg, WPARAM wParam, LPARAM lParam) {
  for (HWND hwnd : windows) PostMessageA(hwnd, msg, wParam, lParam);
}

void SendToAll(const THandleList& windows, UINT msg, WPARAM wParam, LPARAM lParam) {
  // A class or title can match another program's window: never wait on it unbounded.
  for (HWND hwnd : windows) {
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(hwnd, msg, wParam, lParam, kQueryFlags, kBroadcastTimeoutMs, &ignored);
  }
}

void FocusFirstTabStop(const TWindow& shape) {
  HWND first = GetWindow(shape.Handle(), GW_CHILD);
  HWND child = first;
  while (child != nullptr) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if ((style & WS_TABSTOP) != 0 && IsWindowEnabled(child)) {
      SetFocus(child);
      return;
    }
    child = GetWindow(child, GW_HWNDNEXT);
    if (child == first) return;
  }
}
