// The real Stowpane.exe at rest with 20 stored windows: the CPU time its
// timer costs over a minute at the default period, next to the same questions
// asked in a bare loop for as many ticks, and its working set next to
// minimaltray.exe, the least a tray program is, under the same Wine: once as
// it is, and once with its window made foreground at the start as
// Stowpane's start does with its main window (under Wine that activation
// alone loads the input method's COM libraries).
// The windows reach it as a user's start finds them after a crash: hidden,
// enabled windows whose handles are planted under "TrayIcon".
//
//   winbench_idle.exe [seconds]      (default 60)
#include <windows.h>

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "tests/support/StowpaneProcess.h"
#include "tests/winbench/TickQuestions.h"
#include "tests/winbench/WinBench.h"

using namespace winbench;

namespace {

constexpr int kStoredWindows = 20;
constexpr int kFirstId = 5000;
constexpr double kDefaultTimerMs = 1300;

std::string ValueName(int id) {
  char name[16];
  std::snprintf(name, sizeof name, "%06d", id);
  return name;
}

double FileTimeMs(const FILETIME& time) {
  ULARGE_INTEGER value;
  value.LowPart = time.dwLowDateTime;
  value.HighPart = time.dwHighDateTime;
  return static_cast<double>(value.QuadPart) / 1e4;
}

// Kernel and user time together, in milliseconds; negative when unknown.
double CpuMs(HANDLE process) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(process, &created, &exited, &kernel, &user)) return -1;
  return FileTimeMs(kernel) + FileTimeMs(user);
}

// Kernel and user time of each thread of the process, by thread id. Wine 8
// answers GetProcessTimes for another process with the caller's own times,
// but reads each thread's times from the system (in clock ticks of 10 ms).
std::map<DWORD, double> ThreadCpuMs(DWORD processId) {
  std::map<DWORD, double> times;
  // Failure is INVALID_HANDLE_VALUE, as with CreateFile.
  const TKernelHandle snapshot = TakeFile(CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
  if (!snapshot) return times;
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot.Get(), &entry); more; more = Thread32Next(snapshot.Get(), &entry)) {
    if (entry.th32OwnerProcessID != processId) continue;
    TKernelHandle thread(OpenThread(THREAD_QUERY_INFORMATION, FALSE, entry.th32ThreadID));
    FILETIME created, exited, kernel, user;
    if (thread && GetThreadTimes(thread.Get(), &created, &exited, &kernel, &user))
      times[entry.th32ThreadID] = FileTimeMs(kernel) + FileTimeMs(user);
  }
  return times;
}

// What the threads used between the two readings; a thread born meanwhile counts whole.
double CpuBetween(const std::map<DWORD, double>& before, const std::map<DWORD, double>& after) {
  double total = 0;
  for (const auto& [thread, ms] : after) {
    const auto earlier = before.find(thread);
    total += earlier == before.end() ? ms : ms - earlier->second;
  }
  return total;
}

struct Memory {
  double workingSetKb = -1, peakKb = -1, privateKb = -1;
};

Memory ReadMemory(HANDLE process) {
  Memory memory;
  PROCESS_MEMORY_COUNTERS counters = {};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return memory;
  memory.workingSetKb = counters.WorkingSetSize / 1024.0;
  memory.peakKb = counters.PeakWorkingSetSize / 1024.0;
  memory.privateKb = counters.PagefileUsage / 1024.0;
  return memory;
}

// The access the figures need and no more.
class QueryHandle {
 public:
  explicit QueryHandle(DWORD processId)
      : handle_(OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId)) {
    if (!handle_) Fail("a process could not be opened for its figures");
  }
  HANDLE Get() const { return handle_.Get(); }

 private:
  TKernelHandle handle_;
};

// minimaltray.exe with its arguments, running until Close.
class MinimalTray {
 public:
  explicit MinimalTray(const char* arguments) {
    std::string commandLine = QuoteArgument(ProgramPath("minimaltray.exe"));
    if (*arguments != '\0') commandLine += std::string(" ") + arguments;
    if (!process_.Start(commandLine)) Fail("minimaltray.exe did not start");
    WindowFilter filter;
    filter.className = "StowpaneMinimalTray";
    filter.processId = process_.Id();
    window_ = WaitForWindow(filter, 10000);
    if (window_ == nullptr) Fail("minimaltray.exe made no window");
  }
  DWORD Id() const { return process_.Id(); }
  void Close() {
    PostMessageA(window_, WM_CLOSE, 0, 0);
    process_.WaitForExit(5000);
  }

 private:
  ChildProcess process_;
  HWND window_ = nullptr;
};

bool TakenOver(const std::vector<HWND>& windows) {
  for (size_t i = 0; i < windows.size(); ++i) {
    const std::optional<DWORD> value = ReadHkcuDword(kTrayIconKeyPath, ValueName(kFirstId + static_cast<int>(i)));
    if (!value || reinterpret_cast<HWND>(static_cast<UINT_PTR>(*value)) != windows[i]) return false;
    if (!IsIconic(windows[i]) || IsWindowVisible(windows[i])) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  RequireJapaneseCodePage();
  const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::max(1, std::atoi(argv[1]))) : 60;
  CleanTrayIconKey cleanKey;
  // The default period: a value left by a test or a user would change the figure.
  DeleteHkcuValue(kApplicationKey, "PeriodicTimer");

  TestWindowOptions options;
  options.title = "stored window";
  options.windowIcons = testwindow::kBothIcons;
  options.show = TestWindowOptions::kHidden;
  TestWindowBatch windows(options, kStoredWindows);
  for (size_t i = 0; i < windows.Windows().size(); ++i) {
    const DWORD handle = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(windows.Windows()[i]));
    if (!WriteHkcuDword(kTrayIconKeyPath, ValueName(kFirstId + static_cast<int>(i)), handle))
      Fail("the stored windows' values could not be planted");
  }

  StowpaneProcess stowpane;
  if (!stowpane.Start() || stowpane.WaitForMainWindow() == nullptr) Fail("Stowpane.exe did not start");
  // Hidden already, so the values being back is not enough: a window is
  // taken over when it has been minimized as a stored window is.
  if (!WaitUntil([&] { return TakenOver(windows.Windows()); }, 10000))
    Fail("Stowpane.exe did not take the planted windows over");
  MinimalTray minimal("");
  MinimalTray activated("/activate");

  const QueryHandle stowpaneQuery(stowpane.Process().Id());
  const QueryHandle minimalQuery(minimal.Id());
  const QueryHandle activatedQuery(activated.Id());
  // Start-up's own work is over once the first ticks have run.
  PumpMessagesFor(3000);
  const double wallStart = NowUs();
  const double ownStart = CpuMs(GetCurrentProcess());
  const double stowpaneStart = CpuMs(stowpaneQuery.Get());
  const std::map<DWORD, double> stowpaneThreadsStart = ThreadCpuMs(stowpane.Process().Id());
  const std::map<DWORD, double> minimalThreadsStart = ThreadCpuMs(minimal.Id());
  const std::map<DWORD, double> windowsThreadsStart = ThreadCpuMs(windows.ProcessId());
  // Polled slowly: this process's own wake-ups are load on the machine too.
  WaitUntil([] { return false; }, seconds * 1000, 250);
  const double wallMs = (NowUs() - wallStart) * 1e-3;
  const double ownCpuMs = CpuMs(GetCurrentProcess()) - ownStart;
  const double stowpaneProcessCpuMs = CpuMs(stowpaneQuery.Get()) - stowpaneStart;
  const double stowpaneCpuMs = CpuBetween(stowpaneThreadsStart, ThreadCpuMs(stowpane.Process().Id()));
  const double minimalCpuMs = CpuBetween(minimalThreadsStart, ThreadCpuMs(minimal.Id()));
  const double windowsCpuMs = CpuBetween(windowsThreadsStart, ThreadCpuMs(windows.ProcessId()));
  const Memory stowpaneMemory = ReadMemory(stowpaneQuery.Get());
  const Memory minimalMemory = ReadMemory(minimalQuery.Get());
  const Memory activatedMemory = ReadMemory(activatedQuery.Get());
  const bool stillHeld = TakenOver(windows.Windows());
  // The same questions for the same windows and as many ticks, in a bare
  // loop on this thread: what the program cannot spend less than at rest.
  const int ticks = static_cast<int>(wallMs / kDefaultTimerMs + 0.5);
  const double bareStart = ThreadCpuUs();
  for (int i = 0; i < ticks; ++i) AskTickQuestions(windows.Windows());
  const double bareCpuMs = (ThreadCpuUs() - bareStart) * 1e-3;

  // The exit command gives every stored window back before the program ends.
  const bool exited = stowpane.Exit();
  const bool restored = WaitUntil(
      [&] {
        for (HWND window : windows.Windows())
          if (!IsWindowVisible(window)) return false;
        return true;
      },
      5000);
  minimal.Close();
  activated.Close();

  Print("\n== idle: Stowpane.exe holding %d windows of testwindow.exe, timer at the default 1300 ms\n",
        kStoredWindows);
  Print("  %-44s %10.1f s\n", "measured over", wallMs * 1e-3);
  // No absolute target: under Wine the questions themselves cost more than
  // one, and no cheaper signal of a title's or a window's change exists.
  Print("  %-44s %10.1f ms  = %.3f %% of one core\n", "Stowpane.exe CPU time (its threads)", stowpaneCpuMs,
        100.0 * stowpaneCpuMs / wallMs);
  Print("  %-44s %10.1f ms  (%d ticks of %d windows)\n", "the same questions in a bare loop (this thread)",
        bareCpuMs, ticks, kStoredWindows);
  PrintRatio("ratio Stowpane.exe / bare loop (CPU)", bareCpuMs > 0 ? stowpaneCpuMs / bareCpuMs : 0, 1.1);
  Print("  %-44s %10.1f ms  = %.3f %% of one core\n", "minimaltray.exe CPU time (its threads)", minimalCpuMs,
        100.0 * minimalCpuMs / wallMs);
  Print("  %-44s %10.1f ms  = %.3f %% of one core\n", "testwindow.exe CPU time (answering the ticks)",
        windowsCpuMs, 100.0 * windowsCpuMs / wallMs);
  Print("  %-44s %10.1f ms  (this benchmark's own: %.1f ms%s)\n", "GetProcessTimes(Stowpane.exe)",
        stowpaneProcessCpuMs, ownCpuMs,
        stowpaneProcessCpuMs == ownCpuMs ? "; the same, so not used" : "");
  Print("  %-44s %10s %10s %10s  (KiB)\n", "", "working", "peak", "private");
  Print("  %-44s %10.0f %10.0f %10.0f\n", "Stowpane.exe", stowpaneMemory.workingSetKb, stowpaneMemory.peakKb,
        stowpaneMemory.privateKb);
  Print("  %-44s %10.0f %10.0f %10.0f\n", "minimaltray.exe", minimalMemory.workingSetKb, minimalMemory.peakKb,
        minimalMemory.privateKb);
  Print("  %-44s %10.0f %10.0f %10.0f\n", "minimaltray.exe /activate", activatedMemory.workingSetKb,
        activatedMemory.peakKb, activatedMemory.privateKb);
  PrintRatio("working set ratio Stowpane / minimaltray", stowpaneMemory.workingSetKb / minimalMemory.workingSetKb,
             1.3);
  Print("  %-44s %10.2f  (the activation alone: %+.0f KiB)\n", "working set ratio Stowpane / activated tray",
        stowpaneMemory.workingSetKb / activatedMemory.workingSetKb,
        activatedMemory.workingSetKb - minimalMemory.workingSetKb);
  Print("  %-44s %s\n", "windows held through the minute", stillHeld ? "all 20" : "NOT ALL");
  Print("  %-44s %s\n", "exit command gave them back", exited && restored ? "yes" : "NO");
  return stillHeld && exited && restored ? 0 : 1;
}
