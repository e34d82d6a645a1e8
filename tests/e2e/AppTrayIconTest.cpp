// The application's own tray icon, observed in the stand-in taskbar's log.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr UINT kAppIconId = 4000;
constexpr UINT kAppIconMessage = 0x8FA0;
constexpr UINT kTipFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
constexpr DWORD kWaitMs = 5000;

}  // namespace

TEST(AppTrayIcon, AddedAtStartUnchangedTipOnMouseMoveAndDeletedAtExit) {
  ClearedHkcuKey settings(kApplicationKey);
  FakeTaskbar tray;
  ASSERT_TRUE(tray.Start());
  StowpaneProcess stowpane;
  ASSERT_TRUE(stowpane.Start());
  HWND main = stowpane.WaitForMainWindow();
  ASSERT_NE(nullptr, main);

  const auto added = tray.WaitForRecord(TrayCall("ADD", main, kAppIconId), kWaitMs);
  ASSERT_TRUE(added);
  EXPECT_TRUE(added->ok);
  EXPECT_EQ(kTipFlags, added->flags);
  EXPECT_EQ(kAppIconMessage, added->callbackMessage);
  EXPECT_EQ("Stowpane", added->tip);
  EXPECT_EQ("16x16x32", added->icon);

  // The mouse over the icon sets the count text; with nothing stored the tip stays.
  const size_t before = tray.Records().size();
  PostMessageA(main, kAppIconMessage, kAppIconId, WM_MOUSEMOVE);
  const auto modified = tray.WaitForRecord(TrayCall("MODIFY", main, kAppIconId), kWaitMs, before);
  ASSERT_TRUE(modified);
  EXPECT_EQ(kTipFlags, modified->flags);
  EXPECT_EQ("Stowpane", modified->tip);
  EXPECT_EQ(kAppIconMessage, modified->callbackMessage);

  // Messages for icons that do not exist are ignored.
  PostMessageA(main, 0x8000 + 5000, 5000, WM_LBUTTONDBLCLK);
  PostMessageA(main, 0x8000 + 7777, 7777, WM_RBUTTONDOWN);

  ASSERT_TRUE(stowpane.Exit());
  const auto deleted = tray.WaitForRecord(TrayCall("DELETE", main, kAppIconId), kWaitMs);
  ASSERT_TRUE(deleted);
  EXPECT_TRUE(tray.Icons().empty());
}

TEST(AppTrayIcon, ComesBackWhenANewTaskbarAppears) {
  ClearedHkcuKey settings(kApplicationKey);
  ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", 300));
  FakeTaskbar first;
  ASSERT_TRUE(first.Start());
  StowpaneProcess stowpane;
  ASSERT_TRUE(stowpane.Start());
  HWND main = stowpane.WaitForMainWindow();
  ASSERT_NE(nullptr, main);
  ASSERT_TRUE(first.WaitForRecord(TrayCall("ADD", main, kAppIconId), kWaitMs));

  // The taskbar dies; one tick notices, a later one finds the successor.
  first.Kill();
  FakeTaskbar second;
  FakeTaskbar::Options options;
  options.takeover = false;
  ASSERT_TRUE(second.Start(options));
  const auto readded = second.WaitForRecord(TrayCall("ADD", main, kAppIconId), kWaitMs);
  ASSERT_TRUE(readded);
  EXPECT_EQ("Stowpane", readded->tip);
  ASSERT_TRUE(stowpane.Exit());
}
