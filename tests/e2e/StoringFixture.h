#pragma once
// What the end-to-end tests of storing share: a Stowpane.exe started with no
// settings and no stored windows, a stand-in taskbar that logs every tray
// call, a fast timer, and the ways a user reaches the program (the tray menu,
// the icons' callbacks, the questions' buttons), watched through the windows'
// states, the "TrayIcon" values and the taskbar's log.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/E2eHarness.h"
#include "tests/support/OpenMenuKeys.h"
#include "tests/support/StowpaneProcess.h"

namespace storing {

constexpr UINT kAppIconId = 4000;
constexpr UINT kAppIconMessage = 0x8FA0;
constexpr DWORD kWaitMs = 5000;
constexpr DWORD kTimerPeriodMs = 300;

inline const WindowState kStored{true, false, true, true};
inline const WindowState kShown{true, true, false, true};

inline UINT IconMessage(int id) { return 0x8000 + static_cast<UINT>(id); }

inline std::string ValueName(int id) {
  char name[16];
  std::snprintf(name, sizeof name, "%06d", id);
  return name;
}

// Every test starts with no settings and no stored windows, a stand-in
// taskbar that logs every tray call, and a fast timer.
class Storing : public ::testing::Test {
 protected:
  Storing() : settings_(kApplicationKey) {}
  void SetUp() override {
    ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", kTimerPeriodMs));
    ASSERT_TRUE(tray_.Start());
  }
  void StartStowpane(const std::string& arguments = std::string(), const std::string& program = std::string()) {
    ASSERT_TRUE(stowpane_.Start(arguments, program));
    main_ = stowpane_.WaitForMainWindow();
    ASSERT_NE(nullptr, main_);
    ASSERT_TRUE(tray_.WaitForRecord(TrayCall("ADD", main_, kAppIconId), kWaitMs));
  }
  // The tray menu opened by a right click on the application icon (at once:
  // the left button's menu waits for the double-click time); `keys` typed into it.
  bool UseTrayMenu(const std::vector<UINT>& keys) {
    PostMessageA(main_, kAppIconMessage, kAppIconId, WM_RBUTTONDOWN);
    return PressKeysInOpenMenu(stowpane_.Process().Id(), keys, kWaitMs);
  }
  // The window comes to the front, so it is the first item of the tray menu, and is chosen there.
  bool StoreThroughTrayMenu(HWND window) {
    if (!RaiseToTop(window)) return false;
    return UseTrayMenu({VK_DOWN, VK_RETURN});
  }
  static bool RaiseToTop(HWND window) { return RaiseAboveOtherWindows(window, kWaitMs); }
  // The stored windows as the registry lists them: value name -> handle.
  std::map<std::string, HWND> TrayValues() const {
    std::map<std::string, HWND> values;
    for (const std::string& name : HkcuValueNames(kTrayIconKey)) {
      values[name] = reinterpret_cast<HWND>(static_cast<UINT_PTR>(ReadHkcuDword(kTrayIconKey, name).value_or(0)));
    }
    return values;
  }
  // Stores each window through the tray menu and waits until it is hidden with its icon.
  void StoreEach(const std::vector<HWND>& windows) {
    for (HWND window : windows) {
      const size_t before = tray_.IconCountOf(main_);
      ASSERT_TRUE(StoreThroughTrayMenu(window));
      ASSERT_TRUE(WaitForWindowState(window, kStored, kWaitMs));
      ASSERT_TRUE(WaitUntil([&] { return tray_.IconCountOf(main_) == before + 1; }, kWaitMs));
    }
  }
  // A question of Stowpane's (a visible shape that is not its main window) with the button `id`.
  HWND WaitForQuestion(int id, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
          for (HWND w : FindTopLevelWindows({kMainWindowClass, std::nullopt, stowpane_.Process().Id()})) {
            if (w != main_ && IsWindowVisible(w) && GetDlgItem(w, id) != nullptr) found = w;
          }
          return found != nullptr;
        },
        timeoutMs);
    return found;
  }
  static void Press(HWND question, int id) {
    PostMessageA(question, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(question, id)));
  }
  std::optional<TrayRecord> IconOf(int id) const { return tray_.FindIcon(main_, static_cast<UINT>(id)); }
  bool WaitForIcon(int id, bool present) const {
    return WaitUntil([&] { return IconOf(id).has_value() == present; }, kWaitMs);
  }

  ClearedHkcuKey settings_;
  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
};

inline TestWindowOptions Titled(const std::string& title) {
  TestWindowOptions options;
  options.title = title;
  options.windowIcons = testwindow::kBothIcons;
  return options;
}

}  // namespace storing
