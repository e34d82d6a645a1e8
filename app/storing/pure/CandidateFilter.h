#pragma once
// Which top-level windows the user may store: the visible ones that are not
// tool windows, and of owned windows only those whose owner is not listed
// itself (a dialog goes with its visible owner; a dialog of a hidden window
// stands for it). Windows shown nowhere although visible to the system
// (cloaked: on another virtual desktop, a suspended or prelaunched app), the
// program's own, and the shell's (desktop, taskbars, text input host) are
// never listed: hiding the desktop's window takes its icons away. Handles
// are plain numbers here.
#include <cstdint>
#include <string>
#include <vector>

struct TTopLevelFacts {
  uintptr_t window = 0;
  bool visible = false;
  bool toolWindow = false;
  uintptr_t owner = 0;  // 0 when the window has none or is owned by the desktop
  bool cloaked = false;
  bool ours = false;  // made on the program's own thread
  std::string className;
};

// Window classes of the shell that no user stores: the desktop and its icon
// layer, the taskbars, Wine's tray, and the shell's own frames.
bool IsShellWindowClass(const std::string& className);

// `windows` in Z-order from the top; the result keeps that order.
std::vector<uintptr_t> SelectCandidates(const std::vector<TTopLevelFacts>& windows);
