// One pass of the title rules: AutoIconizeScan over 100 visible windows of
// another process with 20 rules that match none of them. The watch's pass
// must read every title: it stands next to its floor, listing the windows
// that can be stored and reading their titles with bounded sends. The
// periodic pass can store only minimized windows: it stands next to the same
// pass made as it was before the state came first (every title read, the
// state asked of the matches only).
//
//   winbench_scan.exe [scans]      (default 100 of each kind, interleaved)
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/storing/CandidateWindows.h"
#include "app/storing/WindowStore.h"
#include "app/titlerules/AutoIconScan.h"
#include "framework/window/core/WindowUtils.h"
#include "tests/winbench/WinBench.h"

using namespace winbench;

namespace {

constexpr int kCandidateWindows = 100;
constexpr int kRules = 20;
constexpr int kWarmUpScans = 5;

// What the watch's pass cannot do without: the list and every title.
void FloorScan() {
  for (HWND window : EnumerateCandidateWindows()) {
    TString title;
    SafeGetWindowText(window, title);
  }
}

// The periodic pass as it was: every title read and matched, the state asked after.
void TitleFirstPeriodicScan(const TAutoIconRules& rules) {
  const TTitleMatcher matcher(rules.patterns, rules.distinguishCase, rules.distinguishWidth);
  for (HWND window : EnumerateCandidateWindows()) {
    TString title;
    SafeGetWindowText(window, title);
    if (title.IsEmpty() || !matcher.Matches(title)) continue;
    if (IsIconic(window)) Fail("no window of the benchmark is minimized");
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
    AutoIconizeScan(store, nullptr, rules, TScanMode::Periodic, released);
    TitleFirstPeriodicScan(rules);
    FloorScan();
  }
  std::vector<double> scanUs, floorUs, periodicUs, titleFirstUs;
  const auto timed = [](std::vector<double>& into, auto&& pass) {
    PumpPendingMessages();
    const double start = NowUs();
    pass();
    into.push_back(NowUs() - start);
  };
  for (int i = 0; i < scans; ++i) {
    timed(scanUs, [&] { AutoIconizeScan(store, nullptr, rules, TScanMode::Startup, released); });
    timed(floorUs, [&] { FloorScan(); });
    timed(periodicUs, [&] { AutoIconizeScan(store, nullptr, rules, TScanMode::Periodic, released); });
    timed(titleFirstUs, [&] { TitleFirstPeriodicScan(rules); });
  }
  if (store.Count() != 0) Fail("the scan stored a window that matches no rule");

  Print("\n== scan: %d visible windows of testwindow.exe, %d rules that match none\n", kCandidateWindows, kRules);
  const Figures scan = Summarize(scanUs);
  const Figures floor = Summarize(floorUs);
  const Figures periodic = Summarize(periodicUs);
  const Figures titleFirst = Summarize(titleFirstUs);
  PrintHeading("per pass, the four interleaved", "ms");
  PrintRow("AutoIconizeScan (the watch)", scan, 1e-3);
  PrintRow("floor: list the windows, read their titles", floor, 1e-3);
  PrintRow("AutoIconizeScan (periodic)", periodic, 1e-3);
  PrintRow("periodic, every title read first (before)", titleFirst, 1e-3);
  PrintRatio("ratio watch / floor (medians)", scan.median / floor.median, 1.2);
  PrintRatio("ratio periodic / before (medians)", periodic.median / titleFirst.median, 0.2);
  return 0;
}
