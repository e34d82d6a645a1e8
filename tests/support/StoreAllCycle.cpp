#include <windows.h>

#include "tests/support/StoreAllCycle.h"

#include <algorithm>
#include <string>

#include "tests/support/HkcuRegistry.h"
#include "tests/support/OpenMenuKeys.h"
#include "tests/support/StowpaneProcess.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr UINT kAppIconId = 4000;
constexpr UINT kAppIconMessage = 0x8FA0;
constexpr WPARAM kRestoreAllCommand = 107;

// Every window has a value naming it (store all may take other windows of the session too).
bool AllNamed(const std::vector<HWND>& windows) {
  std::vector<HWND> named;
  for (const std::string& name : HkcuValueNames(kTrayIconKey))
    named.push_back(reinterpret_cast<HWND>(static_cast<UINT_PTR>(ReadHkcuDword(kTrayIconKey, name).value_or(0))));
  for (HWND window : windows)
    if (std::find(named.begin(), named.end(), window) == named.end()) return false;
  return true;
}

bool AllVisible(const std::vector<HWND>& windows, bool visible) {
  for (HWND window : windows)
    if ((IsWindowVisible(window) != FALSE) != visible) return false;
  return true;
}

}  // namespace

bool RunStoreAllCycle(HWND mainWindow, DWORD processId, const std::vector<HWND>& windows, DWORD timeoutMs,
                      const std::function<void()>& whileStored) {
  // The menu lists the windows as they are when it opens; store all takes that
  // list. The right button opens it at once (the left waits for the
  // double-click time, which a cycle's figure must not count).
  PostMessageA(mainWindow, kAppIconMessage, kAppIconId, WM_RBUTTONDOWN);
  if (!PressKeysInOpenMenu(processId, {'K'}, timeoutMs)) return false;
  if (!WaitUntil([&] { return AllVisible(windows, false) && AllNamed(windows); },
                 timeoutMs, 2))
    return false;
  if (whileStored) whileStored();
  PostMessageA(mainWindow, WM_COMMAND, kRestoreAllCommand, 0);
  return WaitUntil([&] { return AllVisible(windows, true) && HkcuValueNames(kTrayIconKey).empty(); }, timeoutMs, 2);
}

bool StartLongRunWindows(int count, std::vector<std::unique_ptr<TestWindowProcess>>& programs,
                         std::vector<HWND>& windows) {
  for (int i = 0; i < count; ++i) {
    programs.push_back(std::make_unique<TestWindowProcess>());
    TestWindowOptions options;
    options.title = "long run " + std::to_string(i);
    options.windowIcons = testwindow::kBothIcons;
    options.menu = i % 2 == 0;
    if (!programs.back()->Start(options)) return false;
    windows.push_back(programs.back()->Window());
  }
  return true;
}
