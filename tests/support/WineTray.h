#pragma once
// Wine's own tray as a user sees it, for tests that click real icons: without
// a desktop window Wine shows tray icons in a top-level window of its
// explorer.exe (class "__winex11_standalone_tray", titled "Wine System Tray"),
// one 20 x 20 cell per icon from the left in the order they were added. Also
// the screen's pixels, to tell whether a cell shows an image and which one.
#include <windows.h>

#include <optional>
#include <vector>

constexpr int kWineTrayCell = 20;
constexpr int kTrayIconSize = 16;

// The tray window; null when Wine shows no tray (no icon yet, or its
// explorer.exe has been ended, which is final for the Wine session).
HWND FindWineTray();
// Waits up to `timeoutMs` for the tray to show.
HWND WaitForWineTray(DWORD timeoutMs);
// Puts the tray above every other window (without activating it), so that a
// click at a cell reaches it; false when it has no tray or it stayed covered.
bool RaiseWineTray(DWORD timeoutMs = 2000);

// Screen rectangle of icon cell `index`, and of the icon drawn centred in it.
std::optional<RECT> WineTrayCell(int index);
std::optional<RECT> WineTrayIcon(int index);
// The centre of cell `index`, where a click reaches its icon.
std::optional<POINT> WineTrayCellCentre(int index);

// Pixels of a screen rectangle, row by row from the top (0x00RRGGBB).
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<unsigned> pixels;
  bool empty() const { return pixels.empty(); }
};
// What the screen shows in `area` (GetDC(NULL) and BitBlt); empty on failure.
ScreenPixels CaptureScreen(const RECT& area);
// True when every pixel has one colour (no image; also true for nothing captured).
bool IsBlank(const ScreenPixels& image);
// True when both have the same size and the same pixels.
bool SameImage(const ScreenPixels& a, const ScreenPixels& b);
