// The helpers that read Wine's own tray from the screen (WineTray.h): tests of
// icons that must not be blank or must differ rest on them, so they must see
// an icon where there is one and nothing where there is none.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"
#include "tests/support/WineTray.h"

namespace {

constexpr DWORD kWaitMs = 5000;

}  // namespace

TEST(RealTrayHarness, SeesTheOnlyIconInTheFirstCellAndNothingInTheNext) {
  StowpaneProcess stowpane;
  ASSERT_TRUE(stowpane.Start());
  ASSERT_NE(nullptr, stowpane.WaitForMainWindow());
  ASSERT_NE(nullptr, WaitForWineTray(kWaitMs));
  ASSERT_TRUE(RaiseWineTray());
  const std::optional<RECT> first = WineTrayIcon(0), next = WineTrayIcon(1);
  ASSERT_TRUE(first && next);
  EXPECT_EQ(kTrayIconSize, first->right - first->left);
  EXPECT_EQ(kTrayIconSize, first->bottom - first->top);

  ScreenPixels icon;
  ASSERT_TRUE(WaitUntil([&] { return !IsBlank(icon = CaptureScreen(*first)); }, kWaitMs));
  const ScreenPixels empty = CaptureScreen(*next);
  ASSERT_FALSE(empty.empty());
  EXPECT_TRUE(IsBlank(empty));
  EXPECT_TRUE(SameImage(icon, CaptureScreen(*first)));
  EXPECT_FALSE(SameImage(icon, empty));
  EXPECT_TRUE(stowpane.Exit());
}
