// A stored window whose program gives it a new icon: the tick's refresh
// carries the new image to the window's tray icon. The store runs in this
// process on "foreign" windows of other threads (Wine cannot read another
// process's icons); the stand-in taskbar's log shows what the tray received.
#include <windows.h>

#include <gtest/gtest.h>

#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "app/storing/WindowStore.h"
#include "tests/support/E2eHarness.h"
#include "tests/support/StandInMainWindow.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr DWORD kWaitMs = 3000;
constexpr unsigned kGreen = 0x00FF00;
constexpr unsigned kBlue = 0x0000FF;
constexpr unsigned kYellow = 0xFFFF00;

class StoredIconRefresh : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tray_.Start()); }
  void TearDown() override { store_.RestoreAll(); }
  FakeTaskbar tray_;
  StandInMainWindow main_;
  TWindowStore store_{nullptr};
};

}  // namespace

TEST_F(StoredIconRefresh, ANewIconOfAStoredWindowReachesItsTrayIconAtTheNextRefresh) {
  struct Case {
    const char* reason;
    unsigned icons;        // IconSet bits the window has when stored
    unsigned changed;      // IconSet bits its program replaces
    long before, after;    // the tray icon's colour (-1: the fallback, not one of ours)
  } cases[] = {
      {"a new small icon", testwindow::kBothIcons, testwindow::kSmallIcon, kGreen, kYellow},
      {"a new big icon of a window without a small one", testwindow::kBigIcon, testwindow::kBigIcon, kBlue, kYellow},
      {"a first icon of a window that had none", testwindow::kNoIcons, testwindow::kSmallIcon, -1, kYellow},
  };
  std::vector<std::unique_ptr<ForeignWindowThread>> windows;
  for (const auto& c : cases) {
    ForeignWindowOptions options;
    options.title = c.reason;
    options.className = "StowpaneRefreshed" + std::to_string(windows.size());
    options.windowIcons = c.icons;
    options.smallColour = kGreen;
    options.bigColour = kBlue;
    windows.push_back(std::make_unique<ForeignWindowThread>(options));
    ASSERT_NE(nullptr, windows.back()->Window());
    ASSERT_TRUE(store_.StoreWindow(windows.back()->Window()));
  }
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].reason);
    const UINT id = static_cast<UINT>(store_.Table().At(i).iconId);
    const auto added = tray_.WaitForRecord(TrayCall("ADD", main_.Handle(), id), kWaitMs);
    ASSERT_TRUE(added);
    if (cases[i].before >= 0) {
      EXPECT_EQ(cases[i].before, added->rgb);
    } else {
      EXPECT_NE(static_cast<long>(kYellow), added->rgb);
    }
  }

  for (size_t i = 0; i < std::size(cases); ++i) ASSERT_TRUE(windows[i]->SetIcons(cases[i].changed, kYellow));
  const size_t before = tray_.Records().size();
  store_.RefreshAll();

  ASSERT_EQ(std::size(cases), store_.Count());
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].reason);
    const UINT id = static_cast<UINT>(store_.Table().At(i).iconId);
    const auto modified = tray_.WaitForRecord(TrayCall("MODIFY", main_.Handle(), id), kWaitMs, before);
    ASSERT_TRUE(modified) << "no change reached the tray";
    EXPECT_EQ(static_cast<uint32_t>(NIF_MESSAGE | NIF_ICON | NIF_TIP), modified->flags);
    EXPECT_EQ(cases[i].after, modified->rgb);
    EXPECT_EQ(cases[i].reason, modified->tip);
  }
}
