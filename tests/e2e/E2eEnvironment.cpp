// Every end-to-end test starts in the same world: Wine's own taskbar is gone
// for good, no taskbar exists, and a test that needs one starts its own
// stand-in (FakeTaskbar), whose log makes the tray observable.
// Wine's taskbar cannot come back within a session (see faketaskbar.cpp):
// programs of this session started after the suite find no taskbar at all.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/E2eHarness.h"

namespace {

class TaskbarEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    FakeTaskbar takeover;
    ASSERT_TRUE(takeover.Start()) << "faketaskbar.exe did not take the taskbar over";
    takeover.Kill();
    ASSERT_EQ(FindWindowA("Shell_TrayWnd", ""), nullptr) << "a taskbar came back";
  }
};

::testing::Environment* const kTaskbarEnvironment =
    ::testing::AddGlobalTestEnvironment(new TaskbarEnvironment);

}  // namespace
