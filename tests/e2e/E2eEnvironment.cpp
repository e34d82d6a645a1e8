// Every end-to-end test starts in the same world: Wine's own taskbar is gone
// for good, no taskbar exists, and a test that needs one starts its own
// stand-in (FakeTaskbar), whose log makes the tray observable.
// Wine's taskbar cannot come back within a session (see faketaskbar.cpp):
// programs of this session started after the suite find no taskbar at all.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

#include "framework/path/SpecialFolder.h"
#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"

namespace {

// Every start by the user writes the program's Startup shortcut; a killed
// copy leaves it behind, and the next Wine session would start a copy with it.
void DeleteStartupShortcut() {
  const std::string folder = SpecialFolder(CSIDL_STARTUP).Bytes();
  if (!folder.empty()) DeleteFileA((folder + "Stowpane(システムトレイに常駐).lnk").c_str());
}

class TaskbarEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { DeleteStartupShortcut(); }
  void SetUp() override {
    DeleteStartupShortcut();
    ASSERT_EQ(0u, CountMainWindows()) << "a copy of Stowpane runs already: every test's copy would end at once";
    FakeTaskbar takeover;
    ASSERT_TRUE(takeover.Start()) << "faketaskbar.exe did not take the taskbar over";
    takeover.Kill();
    ASSERT_EQ(FindWindowA("Shell_TrayWnd", ""), nullptr) << "a taskbar came back";
  }
};

::testing::Environment* const kTaskbarEnvironment =
    ::testing::AddGlobalTestEnvironment(new TaskbarEnvironment);

}  // namespace
