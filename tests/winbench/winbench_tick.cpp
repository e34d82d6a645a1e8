// The timer tick with many stored windows: TWindowStore::RefreshAll over 50
// windows of another process, with 100 more visible windows on the desktop,
// next to the floor of the same questions asked in a bare loop. What the
// tick adds to the questions it must ask is the figure; the questions
// themselves are the system's cost. Storing and giving back are timed too.
//
//   winbench_tick.exe [ticks]      (default 200 of each kind, interleaved)
#include <windows.h>

#include <cstdlib>
#include <vector>

#include "app/storing/WindowIcon.h"
#include "app/storing/WindowStore.h"
#include "framework/window/core/WindowUtils.h"
#include "tests/winbench/TickQuestions.h"
#include "tests/winbench/WinBench.h"

using namespace winbench;

namespace {

constexpr int kStoredWindows = 50;
constexpr int kCandidateWindows = 100;
constexpr int kWarmUpTicks = 10;

// What a tick cannot do without, per window: is it there, is it still
// hidden, does it answer within the bound, and its title and icons.
// The floor's questions one kind at a time, to show where a tick's time goes.
struct Question {
  const char* name;
  void (*ask)(HWND window);
};

const Question kQuestions[] = {
    {"IsWindow + IsWindowVisible",
     [](HWND window) {
       IsWindow(window);
       IsWindowVisible(window);
     }},
    {"probe: WM_GETTEXTLENGTH (W), 100 ms bound",
     [](HWND window) {
       DWORD_PTR length = 0;
       SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, 100, &length);
     }},
    {"title: SafeGetWindowText (2 sends)",
     [](HWND window) {
       TString title;
       SafeGetWindowText(window, title);
     }},
    {"icons: ReadWindowIcons (2 sends + 2 reads)",
     [](HWND window) {
       TWindowIcon icon(window);
       icon.ReadWindowIcons();
     }},
};


}  // namespace

int main(int argc, char** argv) {
  RequireJapaneseCodePage();
  const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  CleanTrayIconKey cleanKey;
  IconOwner owner;

  TestWindowOptions storedOptions;
  storedOptions.title = "stored window";
  storedOptions.windowIcons = testwindow::kBothIcons;
  TestWindowBatch stored(storedOptions, kStoredWindows);
  TestWindowOptions candidateOptions;
  candidateOptions.className = "StowpaneBenchCandidate";
  candidateOptions.title = "candidate window";
  TestWindowBatch candidates(candidateOptions, kCandidateWindows);

  TWindowStore store(nullptr);
  std::vector<double> storeUs;
  for (HWND window : stored.Windows()) {
    const double start = NowUs();
    if (!store.StoreWindow(window)) Fail("a test window was not stored");
    storeUs.push_back(NowUs() - start);
    PumpPendingMessages();
  }
  const bool allHidden = WaitUntil(
      [&] {
        for (HWND window : stored.Windows())
          if (IsWindowVisible(window)) return false;
        return true;
      },
      5000);
  if (!allHidden) Fail("stored windows stayed visible");

  for (int i = 0; i < kWarmUpTicks; ++i) {
    store.RefreshAll();
    AskTickQuestions(stored.Windows());
  }
  // Interleaved, so that whatever else the machine does falls on both alike.
  std::vector<double> refreshUs, floorUs;
  double refreshCpuUs = 0, floorCpuUs = 0;
  for (int i = 0; i < ticks; ++i) {
    PumpPendingMessages();
    double cpu = ThreadCpuUs();
    double start = NowUs();
    store.RefreshAll();
    refreshUs.push_back(NowUs() - start);
    refreshCpuUs += ThreadCpuUs() - cpu;
    PumpPendingMessages();
    cpu = ThreadCpuUs();
    start = NowUs();
    AskTickQuestions(stored.Windows());
    floorUs.push_back(NowUs() - start);
    floorCpuUs += ThreadCpuUs() - cpu;
  }
  if (store.Count() != static_cast<size_t>(kStoredWindows)) Fail("the tick let stored windows go");

  constexpr size_t kQuestionCount = sizeof kQuestions / sizeof kQuestions[0];
  std::vector<double> questionUs[kQuestionCount];
  double questionCpuUs[kQuestionCount] = {};
  const int questionRounds = std::max(1, ticks / 4);
  for (int round = 0; round < questionRounds; ++round) {
    for (size_t q = 0; q < kQuestionCount; ++q) {
      PumpPendingMessages();
      const double cpu = ThreadCpuUs();
      const double start = NowUs();
      for (HWND window : stored.Windows()) kQuestions[q].ask(window);
      questionUs[q].push_back((NowUs() - start) / kStoredWindows);
      questionCpuUs[q] += ThreadCpuUs() - cpu;
    }
  }

  const double restoreStart = NowUs();
  store.RestoreAll();
  const double restoreUs = NowUs() - restoreStart;

  Print("\n== tick: %d stored windows of testwindow.exe, %d visible candidate windows\n", kStoredWindows,
        kCandidateWindows);
  const Figures refresh = Summarize(refreshUs);
  const Figures floor = Summarize(floorUs);
  PrintHeading("per tick, interleaved with the floor", "ms");
  PrintRow("TWindowStore::RefreshAll", refresh, 1e-3);
  PrintRow("floor: the same questions in a bare loop", floor, 1e-3);
  PrintRatio("ratio RefreshAll / floor (medians)", refresh.median / floor.median, 1.2);
  Print("  %-44s %10.1f us\n", "RefreshAll per stored window (median)", refresh.median / kStoredWindows);
  Print("  %-44s %10.1f us  (floor %.1f us)\n", "this thread's CPU per stored window and tick",
        refreshCpuUs / ticks / kStoredWindows, floorCpuUs / ticks / kStoredWindows);
  PrintHeading("the floor's questions, per window (this thread's CPU at the right)", "us");
  for (size_t q = 0; q < kQuestionCount; ++q) {
    const Figures figures = Summarize(questionUs[q]);
    Print("  %-44s %10.1f %10.1f %10.1f  cpu %.1f\n", kQuestions[q].name, figures.median, figures.p95, figures.max,
          questionCpuUs[q] / questionRounds / kStoredWindows);
  }
  PrintHeading("storing and giving back", "ms");
  PrintRow("StoreWindow, per window", Summarize(storeUs), 1e-3);
  Print("  %-44s %10.2f ms for %d windows\n", "RestoreAll", restoreUs * 1e-3, kStoredWindows);
  return 0;
}
