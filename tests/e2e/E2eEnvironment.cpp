// Every end-to-end test starts in the same world: Wine's own taskbar is gone
// for good, no taskbar exists, and a test that needs one starts its own
// stand-in (FakeTaskbar), whose log makes the tray observable. Only suites
// named RealTray*, which click Wine's own tray, keep it: they run on their own.
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

bool OnlyRealTraySuitesRun() {
  const ::testing::UnitTest& unit = *::testing::UnitTest::GetInstance();
  for (int i = 0; i < unit.total_test_suite_count(); ++i) {
    const ::testing::TestSuite& suite = *unit.GetTestSuite(i);
    const std::string name = suite.name();
    // Parameterised suites carry their instantiation's name first ("Keys/RealTray...").
    const bool realTray = name.rfind("RealTray", 0) == 0 || name.find("/RealTray") != std::string::npos;
    if (!realTray && suite.test_to_run_count() > 0) return false;
  }
  return true;
}

class TaskbarEnvironment : public ::testing::Environment {
 public:
  void TearDown() override { DeleteStartupShortcut(); }
  void SetUp() override {
    DeleteStartupShortcut();
    ASSERT_EQ(0u, CountMainWindows()) << "a copy of Stowpane runs already: every test's copy would end at once";
    // A run of nothing but RealTray* suites keeps Wine's own tray: they click it.
    if (OnlyRealTraySuitesRun()) return;
    FakeTaskbar takeover;
    ASSERT_TRUE(takeover.Start()) << "faketaskbar.exe did not take the taskbar over";
    takeover.Kill();
    ASSERT_EQ(FindWindowA("Shell_TrayWnd", ""), nullptr) << "a taskbar came back";
  }
};

::testing::Environment* const kTaskbarEnvironment =
    ::testing::AddGlobalTestEnvironment(new TaskbarEnvironment);

}  // namespace
