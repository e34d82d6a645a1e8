#include <windows.h>

#include <gtest/gtest.h>

#include "framework/system/SystemQueries.h"
#include "framework/system/pure/VersionWord.h"

namespace {

TEST(SystemVersion, WordFallsWithinTheVersionTheSystemReports) {
  const uint32_t word = SystemVersionWord();
  const DWORD shortVersion = GetVersion();
  const uint32_t major = LOBYTE(LOWORD(shortVersion));
  const uint32_t minor = HIBYTE(LOWORD(shortVersion));
  // Every build of major.minor sorts at or above its first build and below
  // the next minor version.
  EXPECT_GE(word, MakeVersionWord(major, minor, 0));
  EXPECT_LT(word, MakeVersionWord(major, minor + 1, 0));
  EXPECT_EQ(word, SystemVersionWord());
  // Wine stands in for an NT-family system newer than 4.10.1997.
  EXPECT_TRUE(IsNewStyleVersion(word));
  EXPECT_EQ(kPlatformNt, SystemPlatformId());
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(RebarTaskbar, AnswerStaysForTheProcess) {
  const bool first = HasRebarTaskbar();
  // A taskbar of the other kind appears: the cached answer must not follow.
  // (Our window is the newest top-level window, so FindWindowA meets it first.)
  const HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA trayClass{};
  trayClass.lpfnWndProc = PlainProc;
  trayClass.hInstance = instance;
  trayClass.lpszClassName = "Shell_TrayWnd";
  ASSERT_NE(0, RegisterClassA(&trayClass));
  HWND tray = CreateWindowExA(0, "Shell_TrayWnd", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                              instance, nullptr);
  ASSERT_NE(nullptr, tray);
  HWND rebar = nullptr;
  if (!first) {
    WNDCLASSA rebarClass = trayClass;
    rebarClass.lpszClassName = "ReBarWindow32";
    RegisterClassA(&rebarClass);
    rebar = CreateWindowExA(0, "ReBarWindow32", "", WS_CHILD, 0, 0, 5, 5, tray, nullptr,
                            instance, nullptr);
    ASSERT_NE(nullptr, rebar);
  }
  EXPECT_EQ(first, HasRebarTaskbar());
  EXPECT_EQ(first, HasRebarTaskbar());
  DestroyWindow(tray);
  UnregisterClassA("Shell_TrayWnd", instance);
  if (!first) UnregisterClassA("ReBarWindow32", instance);
}

TEST(KeyState, DownOnlyWithTheHighBit) {
  BYTE saved[256] = {};
  ASSERT_TRUE(GetKeyboardState(saved));
  struct Case {
    BYTE state;
    bool down;
  } cases[] = {{0x80, true}, {0x81, true}, {0x01, false}, {0x00, false}, {0x7F, false}};
  for (const auto& c : cases) {
    BYTE keys[256] = {};
    keys[VK_F13] = c.state;
    ASSERT_TRUE(SetKeyboardState(keys));
    EXPECT_EQ(c.down, IsKeyDown(VK_F13)) << int(c.state);
    EXPECT_FALSE(IsKeyDown(VK_F14));
  }
  SetKeyboardState(saved);
}

TEST(PaletteDevice, TrueColourScreenNeedsNoPalette) {
  HDC screen = GetDC(nullptr);
  ASSERT_NE(nullptr, screen);
  const bool trueColour = GetDeviceCaps(screen, BITSPIXEL) > 8;
  EXPECT_EQ(trueColour, IsPaletteFreeDevice(screen));
  ReleaseDC(nullptr, screen);
}

}  // namespace
