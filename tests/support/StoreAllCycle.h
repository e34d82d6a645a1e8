#pragma once
// One cycle of Stowpane.exe's store all and restore all over windows the test
// made, as a user drives it: store all chosen in the tray menu, restore all
// by its command, each waited for until the windows and the "TrayIcon"
// values show it done.
#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "tests/support/TestWindowProcess.h"

// False when a step did not finish within `timeoutMs`. `whileStored` runs
// between the two, with every window stored.
bool RunStoreAllCycle(HWND mainWindow, DWORD processId, const std::vector<HWND>& windows, DWORD timeoutMs,
                      const std::function<void()>& whileStored = nullptr);

// `count` windows of testwindow.exe for the long runs, titled "long run N",
// with both icons and, every other one, a menu bar. False when one did not start.
bool StartLongRunWindows(int count, std::vector<std::unique_ptr<TestWindowProcess>>& programs,
                         std::vector<HWND>& windows);
