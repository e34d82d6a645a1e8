#pragma once
// One cycle of Stowpane.exe's store all and restore all over windows the test
// made, as a user drives it: store all chosen in the tray menu, restore all
// by its command, each waited for until the windows and the "TrayIcon"
// values show it done.
#include <windows.h>

#include <functional>
#include <vector>

// False when a step did not finish within `timeoutMs`. `whileStored` runs
// between the two, with every window stored.
bool RunStoreAllCycle(HWND mainWindow, DWORD processId, const std::vector<HWND>& windows, DWORD timeoutMs,
                      const std::function<void()>& whileStored = nullptr);
