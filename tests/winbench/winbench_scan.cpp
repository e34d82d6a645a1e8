// One pass of the title rules: AutoIconizeScan over 100 visible windows of
// another process with 20 rules that match none of them, next to the floor of
// reading those 100 titles with bounded sends. What the scan adds to the
// titles it must read (listing the desktop, matching) is the figure.
//
//   winbench_scan.exe [scans]      (default 100 of each kind, interleaved)
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/AutoIconScan.h"
#include "app/WindowStore.h"
#include "framework/window/WindowUtils.h"
#include "tests/winbench/WinBench.h"

using namespace winbench;

namespace {

constexpr int kCandidateWindows = 100;
constexpr int kRules = 20;
constexpr int kWarmUpScans = 5;

void FloorScan(const std::vector<HWND>& windows) {
  for (HWND window : windows) {
    TString title;
    SafeGetWindowText(window, title);
  }
}

}  // namespace

int main(int argc, char** argv) {
  RequireJapaneseCodePage();
  const int scans = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
  CleanTrayIconKey cleanKey;
  IconOwner owner;

  TestWindowOptions options;
  options.className = "StowpaneBenchCandidate";
  options.title = "candidate window";
  TestWindowBatch candidates(options, kCandidateWindows);

  TAutoIconRules rules;
  for (int i = 0; i < kRules; ++i) rules.patterns.Append(TString(("no such title " + std::to_string(i)).c_str()));
  TWindowStore store(nullptr);
  const THandleList released;

  for (int i = 0; i < kWarmUpScans; ++i) {
    AutoIconizeScan(store, nullptr, rules, TScanMode::Startup, released);
    FloorScan(candidates.Windows());
  }
  std::vector<double> scanUs, floorUs;
  for (int i = 0; i < scans; ++i) {
    PumpPendingMessages();
    double start = NowUs();
    AutoIconizeScan(store, nullptr, rules, TScanMode::Startup, released);
    scanUs.push_back(NowUs() - start);
    PumpPendingMessages();
    start = NowUs();
    FloorScan(candidates.Windows());
    floorUs.push_back(NowUs() - start);
  }
  if (store.Count() != 0) Fail("the scan stored a window that matches no rule");

  Print("\n== scan: %d visible windows of testwindow.exe, %d rules that match none\n", kCandidateWindows, kRules);
  const Figures scan = Summarize(scanUs);
  const Figures floor = Summarize(floorUs);
  PrintHeading("per scan, interleaved with the floor", "ms");
  PrintRow("AutoIconizeScan (start-up mode)", scan, 1e-3);
  PrintRow("floor: the same titles, bounded sends", floor, 1e-3);
  PrintRatio("ratio scan / floor (medians)", scan.median / floor.median, 1.2);
  return 0;
}
