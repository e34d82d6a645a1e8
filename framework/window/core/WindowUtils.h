#pragma once
// Window utilities over windows of this and other programs. Anything that asks
// another program's window waits at most a bounded time.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/system/WideText.h"
#include "framework/text/TString.h"

class TWindow;

using THandleList = std::vector<HWND>;

// The time a title query may take per message.
constexpr UINT kTitleQueryTimeoutMs = 100;
// The longest title SafeGetWindowText reads, in characters; the rest is cut.
constexpr size_t kMaxTitleLength = 4096;

// Reads a window's title with bounded waits. Returns the copied length, or -1
// with the text "不明" (unknown) when the window hangs or is gone.
int SafeGetWindowText(HWND hwnd, TString& text);
// The same when the window has just answered WM_GETTEXTLENGTH (wide form)
// with `length`: one question fewer.
int SafeGetWindowTextOfLength(HWND hwnd, size_t length, TString& text);
// The same in the wide form, so that a title in any script arrives as the
// window holds it; "不明" likewise, in characters rather than bytes.
int SafeGetWideWindowText(HWND hwnd, TWideText& text);
int SafeGetWideWindowTextOfLength(HWND hwnd, size_t length, TWideText& text);
// The whole text of a window of this program (another program's is read
// with SafeGetWindowText); empty for none.
TString OwnWindowText(HWND hwnd);
TString ClassNameOf(HWND hwnd);
HWND TopLevelAncestor(HWND hwnd);

// Every window below `parent` (top-level when null) of the class and title
// (null matches anything), in FindWindowExA order.
THandleList CollectWindowsOf(HWND parent, const char* className, const char* title);
THandleList CollectTopLevelWindows();
void PostToWindowsOf(HWND parent, const char* className, const char* title, UINT msg, WPARAM wParam,
                     LPARAM lParam);
// Sends wait at most 5 s per window and skip hung ones.
void SendToWindowsOf(HWND parent, const char* className, const char* title, UINT msg, WPARAM wParam,
                     LPARAM lParam);
void PostToAll(const THandleList& windows, UINT msg, WPARAM wParam, LPARAM lParam);
void SendToAll(const THandleList& windows, UINT msg, WPARAM wParam, LPARAM lParam);
void FocusFirstTabStop(const TWindow& shape);
