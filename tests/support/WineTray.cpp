#include <windows.h>

#include "tests/support/WineTray.h"

#include <algorithm>

#include "framework/base/Owners.h"
#include "tests/support/WindowQueries.h"

namespace {

constexpr char kTrayClass[] = "__winex11_standalone_tray";

// The frontmost window whose rectangle overlaps `area`, among shown top-level windows.
HWND TopWindowOver(const RECT& area) {
  for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetWindow(window, GW_HWNDNEXT)) {
    RECT rect, overlap;
    if (IsWindowVisible(window) && GetWindowRect(window, &rect) && IntersectRect(&overlap, &rect, &area))
      return window;
  }
  return nullptr;
}

}  // namespace

HWND FindWineTray() {
  const HWND tray = FindWindowA(kTrayClass, nullptr);
  return tray != nullptr && IsWindowVisible(tray) ? tray : nullptr;
}

HWND WaitForWineTray(DWORD timeoutMs) {
  HWND tray = nullptr;
  WaitUntil([&] { return (tray = FindWineTray()) != nullptr; }, timeoutMs);
  return tray;
}

bool RaiseWineTray(DWORD timeoutMs) {
  const HWND tray = FindWineTray();
  if (tray == nullptr) return false;
  RECT area;
  if (!GetWindowRect(tray, &area)) return false;
  // The tray belongs to another process: the asynchronous form never waits for it.
  SetWindowPos(tray, HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  return WaitUntil([&] { return TopWindowOver(area) == tray; }, timeoutMs);
}

std::optional<RECT> WineTrayCell(int index) {
  const HWND tray = FindWineTray();
  RECT client;
  if (tray == nullptr || index < 0 || !GetClientRect(tray, &client)) return std::nullopt;
  POINT origin = {kWineTrayCell * index, 0};
  if (!ClientToScreen(tray, &origin)) return std::nullopt;
  return RECT{origin.x, origin.y, origin.x + kWineTrayCell, origin.y + kWineTrayCell};
}

std::optional<RECT> WineTrayIcon(int index) {
  std::optional<RECT> cell = WineTrayCell(index);
  if (!cell) return std::nullopt;
  const int margin = (kWineTrayCell - kTrayIconSize) / 2;
  InflateRect(&*cell, -margin, -margin);
  return cell;
}

std::optional<POINT> WineTrayCellCentre(int index) {
  const std::optional<RECT> cell = WineTrayCell(index);
  if (!cell) return std::nullopt;
  return POINT{(cell->left + cell->right) / 2, (cell->top + cell->bottom) / 2};
}

ScreenPixels CaptureScreen(const RECT& area) {
  ScreenPixels image;
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return image;
  const HDC screen = GetDC(nullptr);
  if (screen == nullptr) return image;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const TMemoryDc memory(CreateCompatibleDC(screen));
  const TBitmapHandle section(CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (memory && section) {
    const HGDIOBJ old = SelectObject(memory.Get(), section.Get());
    if (BitBlt(memory.Get(), 0, 0, width, height, screen, area.left, area.top, SRCCOPY)) {
      GdiFlush();
      const size_t count = static_cast<size_t>(width) * static_cast<size_t>(height);
      const unsigned* source = static_cast<const unsigned*>(bits);
      image.width = width;
      image.height = height;
      for (size_t i = 0; i < count; ++i) image.pixels.push_back(source[i] & 0xFFFFFF);
    }
    SelectObject(memory.Get(), old);
  }
  ReleaseDC(nullptr, screen);
  return image;
}

bool IsBlank(const ScreenPixels& image) {
  return std::all_of(image.pixels.begin(), image.pixels.end(),
                     [&](unsigned pixel) { return pixel == image.pixels.front(); });
}

bool SameImage(const ScreenPixels& a, const ScreenPixels& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}
