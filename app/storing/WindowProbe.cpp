#include <windows.h>

#include "app/storing/WindowProbe.h"

bool WindowAnswers(HWND window, UINT timeoutMs, size_t* titleLength) {
  DWORD_PTR length = 0;
  // The wide form: the ANSI form of this message sends an untimed WM_GETTEXT
  // first under some systems, which would wait for a hung window without bound.
  if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, timeoutMs, &length) == 0) {
    return false;
  }
  if (titleLength != nullptr) *titleLength = static_cast<size_t>(length);
  return true;
}
