#include <windows.h>

#include <gtest/gtest.h>

#include "app/TrayIcons.h"
#include "app/WindowIcon.h"
#include "framework/window/WindowUtils.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/SolidIcons.h"

namespace {

constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;

int IconWidth(HICON icon) {
  ICONINFO info{};
  if (icon == nullptr || !GetIconInfo(icon, &info)) return -1;
  BITMAP bitmap{};
  GetObject(info.hbmMask, sizeof bitmap, &bitmap);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  if (info.hbmMask) DeleteObject(info.hbmMask);
  return bitmap.bmWidth;
}

}  // namespace

// Each copy comes from the icon of its own size when the window has one, and
// from the other otherwise; the window's own icons are never handed out.
TEST(WindowIcon, CopiesComeFromTheIconOfTheirSize) {
  struct Case {
    const char* name;
    unsigned windowIcons;
    unsigned classIcons;
    long smallColour;
    long largeColour;
  } cases[] = {
      {"small only", testwindow::kSmallIcon, testwindow::kNoIcons, kRed, kRed},
      {"big only", testwindow::kBigIcon, testwindow::kNoIcons, kBlue, kBlue},
      {"both", testwindow::kBothIcons, testwindow::kNoIcons, kRed, kBlue},
      {"class icons only", testwindow::kNoIcons, testwindow::kBothIcons, kRed, kBlue},
      {"own small, class big", testwindow::kSmallIcon, testwindow::kBigIcon, kRed, kBlue},
  };
  int serial = 0;
  for (const auto& c : cases) {
    ForeignWindowOptions options;
    options.className = "StowpaneIconTest" + std::to_string(++serial);
    options.windowIcons = c.windowIcons;
    options.classIcons = c.classIcons;
    options.smallColour = kRed;
    options.bigColour = kBlue;
    ForeignWindowThread foreign(options);
    ASSERT_NE(nullptr, foreign.Window()) << c.name;
    TWindowIcon icon(foreign.Window());
    HICON small = icon.GetIcon(kSmallIcon);
    HICON large = icon.GetIcon(kLargeIcon);
    ASSERT_NE(nullptr, small) << c.name;
    ASSERT_NE(nullptr, large) << c.name;
    EXPECT_EQ(16, IconWidth(small)) << c.name;
    EXPECT_EQ(32, IconWidth(large)) << c.name;
    EXPECT_EQ(c.smallColour, SolidIconColour(small)) << c.name;
    EXPECT_EQ(c.largeColour, SolidIconColour(large)) << c.name;
    EXPECT_NE(foreign.SmallIcon(), small) << c.name;
    EXPECT_NE(foreign.BigIcon(), large) << c.name;
    // Asking again gives the same copy until the icons are read anew.
    EXPECT_EQ(small, icon.GetIcon(kSmallIcon)) << c.name;
  }
}

TEST(WindowIcon, WindowWithoutIconsShowsTheSystemApplicationIcon) {
  ForeignWindowOptions options;
  options.className = "StowpaneIconTestNone";
  ForeignWindowThread foreign(options);
  ASSERT_NE(nullptr, foreign.Window());
  TWindowIcon icon(foreign.Window());
  EXPECT_EQ(nullptr, icon.GetIcon(kSmallIcon));
  TIconSource* fallback = FallbackIconSource();
  HICON shown = icon.GetIcon(kSmallIcon, fallback);
  ASSERT_NE(nullptr, shown);
  EXPECT_EQ(fallback->GetIcon(kSmallIcon), shown);
  // Kinds other than 16 and 32 pixels go straight to the fallback.
  EXPECT_EQ(nullptr, icon.GetIcon(3));
}

TEST(WindowIcon, HungWindowIsAskedWithinItsBound) {
  ForeignWindowOptions options;
  options.className = "StowpaneIconTestHung";
  options.windowIcons = testwindow::kBothIcons;
  ForeignWindowThread foreign(options);
  ASSERT_NE(nullptr, foreign.Window());
  ASSERT_TRUE(foreign.Hang(3000));

  TWindowIcon icon(foreign.Window());
  DWORD start = GetTickCount();
  icon.ReadWindowIcons();
  DWORD elapsed = GetTickCount() - start;
  EXPECT_LT(elapsed, 400u) << "two icon queries of 100 ms each";
  // The window did not answer: no icon of its own is known.
  EXPECT_EQ(nullptr, icon.SmallIcon());

  TString title("unchanged");
  start = GetTickCount();
  EXPECT_EQ(-1, SafeGetWindowText(foreign.Window(), title));
  elapsed = GetTickCount() - start;
  EXPECT_EQ("不明", title.Bytes());
  EXPECT_LT(elapsed, 400u) << "a title query waits about 100 ms";
}

TEST(SafeGetWindowText, ReadsTitlesWhole) {
  struct Case {
    std::string title;
  } cases[] = {
      {""},
      {"無題 - メモ帳"},
      {"a&b\tc\r\nd"},
      {std::string(3000, 'x') + "表"},
  };
  for (const auto& c : cases) {
    ForeignWindowOptions options;
    options.title = c.title;
    ForeignWindowThread foreign(options);
    ASSERT_NE(nullptr, foreign.Window());
    TString title;
    EXPECT_EQ(static_cast<int>(c.title.size()), SafeGetWindowText(foreign.Window(), title));
    EXPECT_EQ(c.title, title.Bytes());
  }
  TString gone;
  EXPECT_EQ(-1, SafeGetWindowText(nullptr, gone));
  EXPECT_EQ("不明", gone.Bytes());
}
