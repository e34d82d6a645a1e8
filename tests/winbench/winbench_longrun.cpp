// The real Stowpane.exe storing five windows of testwindow.exe and giving
// them back 1,000 times (store all from the tray menu, restore all by its
// command): its GDI objects, windows and kernel handles at the start, every
// 100 cycles and at the end, counted from outside as ProcessResources.h says,
// and the time a cycle takes. The tray is faketaskbar.exe's: it takes the
// taskbar over for the rest of the Wine session, so this runs last.
//
//   winbench_longrun.exe [cycles]      (default 1000)
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/FakeTaskbar.h"
#include "tests/support/ProcessResources.h"
#include "tests/support/StoreAllCycle.h"
#include "tests/support/StowpaneProcess.h"
#include "tests/winbench/WinBench.h"

using namespace winbench;

namespace {

constexpr int kWindowCount = 5;
constexpr int kWarmUpCycles = 5;
constexpr int kReportEvery = 100;
constexpr DWORD kWaitMs = 5000;

void PrintResources(const char* when, const ProcessResources& now, const ProcessResources& start) {
  Print("  %-22s %s   growth: gdi %+ld windows %+ld handles %+ld\n", when, DescribeResources(now).c_str(),
        now.gdiObjects - start.gdiObjects, now.windows - start.windows, now.kernelHandles - start.kernelHandles);
}

}  // namespace

int main(int argc, char** argv) {
  RequireJapaneseCodePage();
  const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  CleanTrayIconKey cleanKey;
  WriteHkcuDword(kApplicationKey, "PeriodicTimer", 300);

  FakeTaskbar tray;
  if (!tray.Start()) Fail("faketaskbar.exe did not take the taskbar over");
  std::vector<std::unique_ptr<TestWindowProcess>> programs;
  std::vector<HWND> windows;
  if (!StartLongRunWindows(kWindowCount, programs, windows)) Fail("testwindow.exe did not start");
  StowpaneProcess stowpane;
  if (!stowpane.Start() || stowpane.WaitForMainWindow() == nullptr) Fail("Stowpane.exe did not start");
  const HWND main = stowpane.MainWindow();
  const DWORD id = stowpane.Process().Id();
  if (!tray.WaitForRecord(TrayCall("ADD", main, 4000), kWaitMs)) Fail("Stowpane.exe added no tray icon");
  for (int i = 0; i < kWarmUpCycles; ++i)
    if (!RunStoreAllCycle(main, id, windows, kWaitMs)) Fail("a warm-up cycle did not finish");

  Print("\n== long run: Stowpane.exe storing %d windows of testwindow.exe and giving them back, %d cycles\n",
        kWindowCount, cycles);
  Print("  (GDI objects from GetGuiResources, or Wine's GDI handle table; windows enumerated; kernel handles from\n"
        "   GetProcessHandleCount, or the system's handle list; USER objects only where GetGuiResources answers)\n");
  const ProcessResources start = CountProcessResources(id);
  PrintResources("start", start, start);
  ProcessResources stored;
  if (!RunStoreAllCycle(main, id, windows, kWaitMs, [&] { stored = CountProcessResources(id); }))
    Fail("a cycle did not finish");
  PrintResources("while they are stored", stored, start);
  ProcessResources now = start;
  std::vector<double> cycleMs;
  int done = 0;
  for (; done < cycles; ++done) {
    const double before = NowUs();
    if (!RunStoreAllCycle(main, id, windows, kWaitMs)) break;
    cycleMs.push_back((NowUs() - before) * 1e-3);
    const int count = done + 1;
    if (count % kReportEvery == 0 || count == cycles / 2 || count == cycles) {
      now = CountProcessResources(id);
      const std::string when = std::string(count == cycles / 2 ? "middle, " : count == cycles ? "end, " : "") +
                               std::to_string(count) + " cycles";
      PrintResources(when.c_str(), now, start);
    }
  }
  if (done < cycles) Print("  STOPPED: cycle %d did not finish within %lu ms\n", done + 1, kWaitMs);
  PrintHeading("one cycle (store all from the menu, restore all)", "ms");
  PrintRow("cycle", Summarize(cycleMs));
  const bool exited = stowpane.Exit();
  Print("  %-44s %s\n", "exit command gave every window back",
        exited && WaitUntil(
                      [&] {
                        for (HWND window : windows)
                          if (!IsWindowVisible(window)) return false;
                        return true;
                      },
                      kWaitMs)
            ? "yes"
            : "NO");
  DeleteHkcuValue(kApplicationKey, "PeriodicTimer");
  return done == cycles ? 0 : 1;
}
