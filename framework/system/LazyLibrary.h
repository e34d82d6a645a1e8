#pragma once
// System functions that only some commands need, reached through their
// library when first called instead of through the program's imports: a
// library imported is loaded at the start and stays in memory all the time
// the program rests in the tray (under Wine the common controls alone cost
// about 7 MB, the common dialogs 1.4 MB, the sounds 0.4 MB). Each library is
// loaded once and kept until the program ends. Every function fails as its
// system original does when the library or the function cannot be had.
#include <windows.h>
#include <commdlg.h>

// The common controls' window classes exist once this has succeeded.
bool LoadCommonControls();
HWND LazyCreateStatusWindow(LONG style, LPCSTR text, HWND parent, UINT id);
HWND LazyCreateUpDownControl(DWORD style, int x, int y, int width, int height, HWND parent, int id,
                             HINSTANCE instance, HWND buddy, int upper, int lower, int position);

BOOL LazyPlaySound(LPCSTR sound, HMODULE module, DWORD flags);

// The compositor's library exists from Vista on; without it this answers
// E_NOTIMPL, as Wine's does for the attributes it does not know.
HRESULT LazyDwmGetWindowAttribute(HWND window, DWORD attribute, void* value, DWORD size);

// Lets `message` reach `window` from processes of any integrity level, where
// the system filters messages (from Windows 7 on); elsewhere nothing to do.
void LazyAllowMessageFromAnyProcess(HWND window, UINT message);

BOOL LazyGetOpenFileName(OPENFILENAMEA* record);
BOOL LazyGetSaveFileName(OPENFILENAMEA* record);
