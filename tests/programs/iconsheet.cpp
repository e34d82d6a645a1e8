// Contact sheet of the program's icons, drawn by Windows itself.
//
//   iconsheet.exe <path of Icons.rc2> [seconds]
//
// Reads the NAME ICON "file" lines of the resource script, loads each file at
// 16x16 and 32x32 and shows a window at the top-left of the screen with, per
// icon: 16x16 on the window colour, on the selection colour and grayed as a
// disabled menu item draws it (DrawStateA DSS_DISABLED), 32x32 on the dialog
// colour, and the resource name. The window closes itself after the given
// seconds (default 20), so a script can take a screenshot and walk away.
#include <windows.h>

#include "framework/base/Owners.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

struct SheetEntry {
  std::string name;
  TIconHandle small;
  TIconHandle large;
};

std::vector<SheetEntry> g_entries;
// A Latin font: the Japanese default GUI font loses the underscores of the names.
TOwnedFont g_font;

constexpr int kColumns = 2;
constexpr int kRowHeight = 38;
constexpr int kColumnWidth = 320;
constexpr int kMargin = 8;

// "NAME ICON "icons/x.ico"" -> name and the file's path next to the script.
bool ParseIconLine(const std::string& line, const std::string& folder, std::string* name,
                   std::string* path) {
  const size_t space = line.find(' ');
  if (space == std::string::npos || line.compare(space, 6, " ICON ") != 0) return false;
  const size_t open = line.find('"', space);
  const size_t close = open == std::string::npos ? open : line.find('"', open + 1);
  if (close == std::string::npos) return false;
  *name = line.substr(0, space);
  *path = folder + line.substr(open + 1, close - open - 1);
  return true;
}

HICON LoadIconFile(const std::string& path, int size) {
  return static_cast<HICON>(
      LoadImageA(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
}

void FillBox(HDC dc, int x, int y, int w, int h, int colourIndex) {
  RECT r{x, y, x + w, y + h};
  FillRect(dc, &r, GetSysColorBrush(colourIndex));
}

void PaintSheet(HDC dc) {
  HGDIOBJ oldFont = SelectObject(dc, g_font ? static_cast<HGDIOBJ>(g_font.Get())
                                            : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const int rows = (static_cast<int>(g_entries.size()) + kColumns - 1) / kColumns;
  for (size_t i = 0; i < g_entries.size(); ++i) {
    const SheetEntry& e = g_entries[i];
    const int x = kMargin + static_cast<int>(i) / rows * kColumnWidth;
    const int y = kMargin + static_cast<int>(i) % rows * kRowHeight;
    const int mid = y + (kRowHeight - 16) / 2 - 3;
    FillBox(dc, x, y, 20, kRowHeight - 6, COLOR_WINDOW);
    DrawIconEx(dc, x + 2, mid, e.small.Get(), 16, 16, 0, nullptr, DI_NORMAL);
    FillBox(dc, x + 22, y, 20, kRowHeight - 6, COLOR_HIGHLIGHT);
    DrawIconEx(dc, x + 24, mid, e.small.Get(), 16, 16, 0, nullptr, DI_NORMAL);
    DrawStateA(dc, GetSysColorBrush(COLOR_BTNSHADOW), nullptr,
               reinterpret_cast<LPARAM>(e.small.Get()), 0, x + 46, mid, 16, 16,
               DST_ICON | DSS_DISABLED);
    DrawIconEx(dc, x + 68, y, e.large.Get(), 32, 32, 0, nullptr, DI_NORMAL);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    TextOutA(dc, x + 106, mid + 1, e.name.c_str(), static_cast<int>(e.name.size()));
  }
  SelectObject(dc, oldFont);
}

LRESULT CALLBACK SheetProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      PaintSheet(dc);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_TIMER:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: iconsheet <Icons.rc2> [seconds]\n");
    return 2;
  }
  const std::string script = argv[1];
  const int seconds = argc > 2 ? std::atoi(argv[2]) : 20;
  const size_t slash = script.find_last_of("\\/");
  const std::string folder = slash == std::string::npos ? "" : script.substr(0, slash + 1);

  std::ifstream in(script);
  std::string line, name, path;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!ParseIconLine(line, folder, &name, &path)) continue;
    SheetEntry entry{name, TIconHandle(LoadIconFile(path, 16)), TIconHandle(LoadIconFile(path, 32))};
    if (!entry.small.Get() || !entry.large.Get()) {
      std::fprintf(stderr, "iconsheet: cannot load %s\n", path.c_str());
      return 1;
    }
    g_entries.push_back(std::move(entry));
  }
  if (g_entries.empty()) {
    std::fprintf(stderr, "iconsheet: no icons in %s\n", script.c_str());
    return 1;
  }

  g_font = TOwnedFont(CreateFontA(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                  DEFAULT_PITCH | FF_SWISS, "DejaVu Sans"));

  WNDCLASSA wc{};
  wc.lpfnWndProc = SheetProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "IconSheet";
  if (!RegisterClassA(&wc)) return 1;

  const int rows = (static_cast<int>(g_entries.size()) + kColumns - 1) / kColumns;
  const int width = 2 * kMargin + kColumns * kColumnWidth - 40;
  const int height = 2 * kMargin + rows * kRowHeight - 6;
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "IconSheet", "Icons", WS_POPUP | WS_BORDER, 0, 0,
                                width, height, nullptr, nullptr, wc.hInstance, nullptr);
  if (!window) return 1;
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  std::printf("%d %d\n", width, height);
  std::fflush(stdout);
  SetTimer(window, 1, static_cast<UINT>(seconds) * 1000, nullptr);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
