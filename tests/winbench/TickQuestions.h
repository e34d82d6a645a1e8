#pragma once
// The questions a timer tick asks each stored window, asked in a bare loop:
// the floor the tick and the program at rest are measured against.
#include <windows.h>

#include <vector>

#include "app/storing/WindowIcon.h"
#include "framework/window/core/WindowUtils.h"

namespace winbench {

inline void AskTickQuestions(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    if (!IsWindow(window) || IsWindowVisible(window)) continue;
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 100, &length) == 0)
      continue;
    TString title;
    SafeGetWindowText(window, title);
    TWindowIcon icon(window);
    icon.ReadWindowIcons();
  }
}

// This thread's kernel and user time in microseconds (clock ticks of 10 ms
// under Wine: only sums over many ticks mean something).
inline double ThreadCpuUs() {
  FILETIME created, exited, kernel, user;
  if (!GetThreadTimes(GetCurrentThread(), &created, &exited, &kernel, &user)) return 0;
  const auto us = [](const FILETIME& time) {
    return static_cast<double>((static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10.0;
  };
  return us(kernel) + us(user);
}

}  // namespace winbench
