#pragma once
// What the Wine benchmarks share: a clock, the figures of a series of samples
// and their table, the stored-window values cleaned before and after a run,
// and many test windows of one testwindow.exe process. The benchmarks print
// figures for a person to read; they are no tests and pass or fail nothing
// but their own set-up (exit code 1 when the world they need could not be made).
#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

#include "app/AppState.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Clock.h"
#include "tests/support/HarnessPaths.h"
#include "tests/support/HkcuRegistry.h"
#include "tests/support/TestWindowProcess.h"
#include "tests/support/WindowQueries.h"
#include "tests/support/pure/CommandLineQuoting.h"
#include "tests/support/pure/ProgramLog.h"

namespace winbench {

struct Figures {
  size_t count = 0;
  double median = 0, p95 = 0, max = 0;
};

// Nearest-rank percentiles: the figures are samples that happened, not interpolations.
inline Figures Summarize(std::vector<double> samples) {
  Figures figures;
  figures.count = samples.size();
  if (samples.empty()) return figures;
  std::sort(samples.begin(), samples.end());
  const auto rank = [&](double q) {
    size_t index = static_cast<size_t>(q * static_cast<double>(samples.size()) + 0.999999);
    return samples[std::min(samples.size(), std::max<size_t>(index, 1)) - 1];
  };
  figures.median = rank(0.5);
  figures.p95 = rank(0.95);
  figures.max = samples.back();
  return figures;
}

inline void Print(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::vprintf(format, args);
  va_end(args);
  std::fflush(stdout);
}

inline void PrintHeading(const char* title, const char* unit) {
  Print("\n%s\n  %-44s %10s %10s %10s  (%s)\n", title, "", "median", "p95", "max", unit);
}

inline void PrintRow(const char* what, const Figures& figures, double scale = 1.0) {
  Print("  %-44s %10.2f %10.2f %10.2f  n=%u\n", what, figures.median * scale, figures.p95 * scale,
        figures.max * scale, static_cast<unsigned>(figures.count));
}

// "met" or "MISSED", so a person scanning the output finds a miss at once.
inline void PrintRatio(const char* what, double ratio, double target) {
  Print("  %-44s %10.2f  target <= %.2f: %s\n", what, ratio, target, ratio <= target ? "met" : "MISSED");
}

// The run stops here: the figures would mean nothing.
[[noreturn]] inline void Fail(const char* what) {
  Print("FAILED: %s\n", what);
  std::fflush(stdout);
  ExitProcess(1);
}

// The stored windows' values of an earlier run would be taken over by the
// next Stowpane: every benchmark starts and ends without them.
class CleanTrayIconKey {
 public:
  CleanTrayIconKey() { DeleteHkcuKey(kTrayIconKeyPath); }
  ~CleanTrayIconKey() { DeleteHkcuKey(kTrayIconKeyPath); }
  CleanTrayIconKey(const CleanTrayIconKey&) = delete;
  CleanTrayIconKey& operator=(const CleanTrayIconKey&) = delete;
};

// The hidden window that owns this process's tray icons, standing in for
// Stowpane's main window.
class IconOwner {
 public:
  IconOwner() {
    window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    if (window_ == nullptr) Fail("no window for the tray icons");
    AppState().mainWindow = window_;
  }
  ~IconOwner() {
    AppState().mainWindow = nullptr;
    DestroyWindow(window_);
  }
  IconOwner(const IconOwner&) = delete;
  IconOwner& operator=(const IconOwner&) = delete;
  HWND Window() const { return window_; }

 private:
  HWND window_ = nullptr;
};

// `count` windows of one testwindow.exe (its /count option): a process
// switch per question, as with real programs, without starting a process
// per window. The process ends with the object.
class TestWindowBatch {
 public:
  TestWindowBatch(const TestWindowOptions& options, int count) {
    logPath_ = FreshLogPath("winbench");
    const std::string command = QuoteArgument(ProgramPath("testwindow.exe")) + " " +
                                TestWindowArguments(options) + " /count:" + std::to_string(count) + " " +
                                QuoteArgument("/log:" + logPath_);
    if (!process_.Start(command)) Fail("testwindow.exe did not start");
    const bool ready = WaitUntil(
        [&] {
          windows_.clear();
          for (const LogLine& line : ReadLogFile(logPath_)) {
            unsigned long handle = 0;
            if (line.word == "READY" && line.Number("hwnd", &handle))
              windows_.push_back(reinterpret_cast<HWND>(static_cast<UINT_PTR>(handle)));
          }
          return windows_.size() == static_cast<size_t>(count);
        },
        30000, 20);
    if (!ready) Fail("testwindow.exe did not make its windows");
  }
  ~TestWindowBatch() {
    process_.Kill();
    DeleteFileA(logPath_.c_str());
  }
  TestWindowBatch(const TestWindowBatch&) = delete;
  TestWindowBatch& operator=(const TestWindowBatch&) = delete;

  const std::vector<HWND>& Windows() const { return windows_; }
  DWORD ProcessId() const { return process_.Id(); }

 private:
  ChildProcess process_;
  std::string logPath_;
  std::vector<HWND> windows_;
};

// The calling thread answers what was sent to it meanwhile (the taskbar and
// other programs broadcast), outside the timed part, as a program's message
// loop does between two timer ticks.
inline void PumpPendingMessages() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

// Every benchmark assumes the Japanese code page, as the product does.
inline void RequireJapaneseCodePage() {
  if (GetACP() != 932) Fail("the ANSI code page is not 932 (Japanese locale missing)");
}

}  // namespace winbench
