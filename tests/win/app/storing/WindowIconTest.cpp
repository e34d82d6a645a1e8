#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "app/storing/TrayIcons.h"
#include "app/storing/WindowIcon.h"
#include "framework/window/core/WindowUtils.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/support/SolidIcons.h"
#include "tests/support/WindowQueries.h"
#include "tests/win/icons/IconTestSupport.h"

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

// A window without icons of its own (or whose icons cannot be had, as
// another process's under Wine) shows the first icon of its program file, so
// that windows of different programs still look different; the system's
// generic icon only when the program file has none either.
TEST(WindowIcon, WindowWithoutIconsShowsItsProgramsIconElseTheSystemOne) {
  TIconSource* fallback = FallbackIconSource();
  const HICON generic = fallback->GetIcon(kSmallIcon);
  ASSERT_NE(nullptr, generic);
  {
    ForeignWindowOptions options;
    options.className = "StowpaneIconTestNone";
    ForeignWindowThread foreign(options);
    ASSERT_NE(nullptr, foreign.Window());
    TWindowIcon icon(foreign.Window());
    const HICON small = icon.GetIcon(kSmallIcon, fallback);
    const HICON large = icon.GetIcon(kLargeIcon, fallback);
    ASSERT_NE(nullptr, small);
    ASSERT_NE(nullptr, large);
    EXPECT_NE(generic, small);
    EXPECT_EQ(16, IconWidth(small));
    EXPECT_EQ(32, IconWidth(large));
    HICON fileLarge = nullptr;
    HICON fileSmall = nullptr;
    ASSERT_NE(0u, ExtractIconExA(SiblingProgram("unit_tests.exe").c_str(), 0, &fileLarge, &fileSmall, 1));
    TIconHandle ownedLarge(fileLarge);
    TIconHandle ownedSmall(fileSmall);
    EXPECT_EQ(ReadIconPixels(fileSmall), ReadIconPixels(small)) << "this test program's first icon";
  }
  {
    ChildProcess program;
    ASSERT_TRUE(program.Start("\"" + SiblingProgram("iconless.exe") + "\" window"));
    const HWND window = WaitForWindow({"StowpaneIconlessWindow", std::nullopt, program.Id()}, 5000);
    ASSERT_NE(nullptr, window);
    TWindowIcon icon(window);
    EXPECT_EQ(nullptr, icon.GetIcon(kSmallIcon)) << "neither the window nor its program has one";
    EXPECT_EQ(generic, icon.GetIcon(kSmallIcon, fallback));
    // Kinds other than 16 and 32 pixels go straight to the fallback.
    EXPECT_EQ(nullptr, icon.GetIcon(3));
  }
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

namespace {

// A window that claims a title length of its own choosing and copies its
// title byte by byte, as a broken or hostile ANSI program may.
struct TLyingTitle {
  LRESULT claimedLength;
  std::string text;
};
TLyingTitle* g_lyingTitle = nullptr;

LRESULT CALLBACK LyingTitleProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_GETTEXTLENGTH) return g_lyingTitle->claimedLength;
  if (msg == WM_GETTEXT) {
    if (wParam == 0) return 0;
    const size_t copied = std::min(g_lyingTitle->text.size(), static_cast<size_t>(wParam) - 1);
    std::memcpy(reinterpret_cast<char*>(lParam), g_lyingTitle->text.data(), copied);
    reinterpret_cast<char*>(lParam)[copied] = '\0';
    return static_cast<LRESULT>(copied);
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

TEST(SafeGetWindowText, TakesNoMoreThanItsCapWhateverTheWindowClaims) {
  WNDCLASSA record{};
  record.lpfnWndProc = LyingTitleProc;
  record.hInstance = GetModuleHandleA(nullptr);
  record.lpszClassName = "StowpaneLyingTitle";
  RegisterClassA(&record);
  const size_t capBytes = 2 * kMaxTitleLength + 15;  // the buffer less its terminator
  std::string katakana;
  for (size_t i = 0; i < capBytes; i += 2) katakana += "ア";
  struct Case {
    LRESULT claimed;
    std::string text;
    size_t expectedLength;
  } cases[] = {
      {1 << 30, "short", 5},                               // no gigabyte buffer for a short title
      {0x7FFFFFFF, std::string(3 * capBytes, 'x'), capBytes},
      {1 << 30, katakana, capBytes - 1},                   // the cut lead byte is dropped
      {2, "much longer than claimed", 19},  // a claim of 2 leaves 2 x 2 + 16 bytes
  };
  for (const Case& c : cases) {
    TLyingTitle lying{c.claimed, c.text};
    g_lyingTitle = &lying;
    HWND window = CreateWindowA("StowpaneLyingTitle", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, window);
    TString title;
    EXPECT_EQ(static_cast<int>(c.expectedLength), SafeGetWindowText(window, title)) << c.claimed;
    EXPECT_EQ(c.text.substr(0, c.expectedLength), title.Bytes());
    DestroyWindow(window);
    g_lyingTitle = nullptr;
  }
}
