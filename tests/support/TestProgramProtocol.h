#pragma once
// What the test programs (testwindow.exe, faketaskbar.exe) and the in-process
// test windows understand, shared with the harness that drives them.
// Private messages sit at WM_APP + 0x300.. so they cannot be mistaken for the
// product's tray callbacks (WM_APP + 4000 and up).

namespace testwindow {
// Default window class of testwindow.exe and of ForeignWindowThread windows.
constexpr const char* kDefaultClass = "StowpaneTestWindow";
// Posted: the window's thread stops pumping messages for wParam milliseconds.
constexpr unsigned kHangMessage = 0x8000 + 0x300;
// Sent to a ForeignWindowThread window: new solid icons with WM_SETICON;
// wParam = IconSet bits (1 small, 2 big), lParam = colour 0xRRGGBB.
constexpr unsigned kSetIconsMessage = 0x8000 + 0x301;

enum IconSet : unsigned { kNoIcons = 0, kSmallIcon = 1, kBigIcon = 2, kBothIcons = 3 };

// Menu bar commands (BuildTestMenuBar).
constexpr unsigned kCommandNew = 1001;
constexpr unsigned kCommandOpen = 1002;
constexpr unsigned kCommandExit = 1009;
constexpr unsigned kCommandUndo = 2001;
constexpr unsigned kCommandChecked = 2002;
constexpr unsigned kCommandGrayed = 2003;
constexpr unsigned kCommandSubFirst = 2101;
constexpr unsigned kCommandSubSecond = 2102;
constexpr unsigned kCommandAbout = 3001;

// Colours of the solid icons when none are given (RGB, 0xRRGGBB).
constexpr unsigned kDefaultSmallColour = 0xFF0000;
constexpr unsigned kDefaultBigColour = 0x0000FF;
}  // namespace testwindow

namespace faketaskbar {
// Posted to the stand-in's "Shell_TrayWnd": write the current icon table to the log.
constexpr unsigned kDumpMessage = 0x8000 + 0x310;
// Posted: wParam 1 = answer FALSE to every Shell_NotifyIcon call from now on, 0 = accept again.
constexpr unsigned kRefuseMessage = 0x8000 + 0x311;
// Posted: drop every icon, as a shell that rebuilds its notification area
// does, and broadcast "TaskbarCreated".
constexpr unsigned kRebuildMessage = 0x8000 + 0x312;
}  // namespace faketaskbar
