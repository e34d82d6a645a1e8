// The tray menu's opening: TTrayMenu::Rebuild with 50 candidate windows, next
// to the floor of listing the windows and reading their titles and icons.
// Twice: windows of another process (whose icons Wine cannot read, so each
// icon read is a miss), and windows of other threads of this process with
// icons of their own (read and copied, as on a system that can).
//
//   winbench_menu.exe [rebuilds]      (default 60 of each kind, interleaved)
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "app/CandidateWindows.h"
#include "app/TrayMenu.h"
#include "app/WindowIcon.h"
#include "framework/window/WindowUtils.h"
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

void MeasureRebuild(const char* title, HWND mainWindow, int rounds) {
  TTrayMenu menu;
  if (menu.Menu() == nullptr) Fail("the tray menu resource did not load");
  for (int i = 0; i < kWarmUpRounds; ++i) {
    menu.Rebuild(mainWindow, 0);
    FloorRebuild();
  }
  std::vector<double> rebuildUs, floorUs;
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
