// The tray menu's opening: TTrayMenu::Rebuild with 50 candidate windows, next
// to the floor of listing the windows and reading their titles and icons.
// Twice: windows of another process (whose icons Wine cannot read, so each
// icon read is a miss), and windows of other threads of this process with
// icons of their own (read and copied, as on a system that can).
// Rebuild reads no icon: an item's icon is read when the item is first
// painted. So the opening as a whole (Rebuild, then every item measured and
// painted as the system asks when the menu shows) is timed as well.
//
//   winbench_menu.exe [rebuilds]      (default 60 of each kind, interleaved)
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "app/storing/CandidateWindows.h"
#include "app/storing/WindowIcon.h"
#include "app/traymenus/TrayMenu.h"
#include "framework/window/core/WindowUtils.h"
#include "framework/window/menus/IconMenu.h"
#include "tests/support/ForeignWindowThread.h"
#include "tests/winbench/WinBench.h"

using namespace winbench;

namespace {

constexpr int kCandidateWindows = 50;
constexpr int kWarmUpRounds = 5;

// The least an opening must do: list the windows, then each one's title and
// the small icon its item shows.
size_t FloorRebuild() {
  const THandleList windows = EnumerateCandidateWindows();
  for (HWND window : windows) {
    TString title;
    SafeGetWindowText(window, title);
    TWindowIcon icon(window);
    icon.GetIcon(0);
  }
  return windows.size();
}

// What the system asks of an owner-drawn menu as it shows: each item's size,
// then its picture, here into a bitmap instead of the menu's window.
void PaintEveryItem(HMENU menu) {
  HDC screen = GetDC(nullptr);  // shared: released, never owned
  TMemoryDc dc(CreateCompatibleDC(screen));
  TBitmapHandle bitmap(CreateCompatibleBitmap(screen, 1024, 64));
  ReleaseDC(nullptr, screen);
  if (!dc || !bitmap) Fail("no bitmap to paint the menu into");
  const HGDIOBJ previous = SelectObject(dc.Get(), bitmap.Get());
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_DATA | MIIM_ID;
    if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    MEASUREITEMSTRUCT measure = {};
    measure.CtlType = ODT_MENU;
    measure.itemID = info.wID;
    measure.itemData = info.dwItemData;
    if (!MeasureIconMenuItem(measure)) continue;
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_MENU;
    draw.itemID = info.wID;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.hwndItem = reinterpret_cast<HWND>(menu);
    draw.hDC = dc.Get();
    draw.rcItem = RECT{0, 0, static_cast<LONG>(std::min<UINT>(measure.itemWidth, 1024)),
                       static_cast<LONG>(std::min<UINT>(measure.itemHeight, 64))};
    draw.itemData = info.dwItemData;
    DrawIconMenuItem(draw);
  }
  SelectObject(dc.Get(), previous);
}

void MeasureRebuild(const char* title, HWND mainWindow, int rounds) {
  TTrayMenu menu;
  if (menu.Menu() == nullptr) Fail("the tray menu resource did not load");
  for (int i = 0; i < kWarmUpRounds; ++i) {
    menu.Rebuild(mainWindow, 0);
    FloorRebuild();
  }
  std::vector<double> rebuildUs, floorUs, openUs;
  size_t listed = 0;
  for (int i = 0; i < rounds; ++i) {
    PumpPendingMessages();
    double start = NowUs();
    menu.Rebuild(mainWindow, 0);
    rebuildUs.push_back(NowUs() - start);
    PumpPendingMessages();
    start = NowUs();
    listed = FloorRebuild();
    floorUs.push_back(NowUs() - start);
    PumpPendingMessages();
    start = NowUs();
    menu.Rebuild(mainWindow, 0);
    PaintEveryItem(menu.Menu());
    openUs.push_back(NowUs() - start);
  }
  if (menu.Candidates().size() < static_cast<size_t>(kCandidateWindows)) Fail("the menu missed candidate windows");
  const Figures rebuild = Summarize(rebuildUs);
  const Figures floor = Summarize(floorUs);
  Print("\n== tray menu: %s (%u candidates listed, %u items)\n", title, static_cast<unsigned>(listed),
        static_cast<unsigned>(GetMenuItemCount(menu.Menu())));
  PrintHeading("per opening, interleaved with the floor", "ms");
  PrintRow("TTrayMenu::Rebuild", rebuild, 1e-3);
  PrintRow("floor: list, titles, GetIcon(0)", floor, 1e-3);
  PrintRatio("ratio Rebuild / floor (medians)", rebuild.median / floor.median, 1.3);
  const Figures open = Summarize(openUs);
  PrintRow("Rebuild, then every item measured and painted", open, 1e-3);
  Print("  %-44s %10.2f  (no target: the icons are read here)\n", "ratio opening / floor (medians)",
        open.median / floor.median);
}

}  // namespace

int main(int argc, char** argv) {
  RequireJapaneseCodePage();
  const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
  CleanTrayIconKey cleanKey;
  IconOwner owner;

  {
    TestWindowOptions options;
    options.title = "候補ウィンドウ - candidate";
    options.windowIcons = testwindow::kBothIcons;
    TestWindowBatch windows(options, kCandidateWindows);
    MeasureRebuild("50 windows of testwindow.exe", owner.Window(), rounds);
    for (HWND window : windows.Windows()) PostMessageA(window, WM_CLOSE, 0, 0);
    const bool gone = WaitUntil(
        [&] {
          for (HWND window : windows.Windows())
            if (IsWindow(window)) return false;
          return true;
        },
        10000);
    if (!gone) Fail("the other process's windows stayed");
  }

  std::vector<std::unique_ptr<ForeignWindowThread>> threads;
  for (int i = 0; i < kCandidateWindows; ++i) {
    ForeignWindowOptions options;
    options.className = "StowpaneBenchForeign";
    options.title = "foreign window " + std::to_string(i);
    options.windowIcons = testwindow::kBothIcons;
    options.smallColour = 0x00FF00;
    threads.push_back(std::make_unique<ForeignWindowThread>(options));
    if (threads.back()->Window() == nullptr) Fail("a foreign window was not made");
  }
  MeasureRebuild("50 windows of other threads, with icons", owner.Window(), rounds);
  return 0;
}
