// Storing real windows and giving them back many times over leaves
// Stowpane.exe holding what it held before: its GDI objects, windows and
// kernel handles stay flat (counted from outside, see ProcessResources.h).
// The full 1,000 cycles are a benchmark (tools/bench.sh longrun); this runs
// STOWPANE_LONGRUN_CYCLES of them (default below), enough for a leak of one
// object in ten cycles to stand out.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/E2eHarness.h"
#include "tests/support/ProcessResources.h"
#include "tests/support/StoreAllCycle.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr int kWindowCount = 5;
constexpr int kDefaultCycles = 150;
// The first cycles fill what the program keeps for its whole run (the
// fallback icon, the menu's icons, caches): the baseline is taken after them.
constexpr int kWarmUpCycles = 5;
// A reading may fall on a tick that holds a registry key or a DC for a
// moment: the least of a few readings is taken, and a few objects of slack
// remain. A leak of one object per ten cycles exceeds it well before the end.
constexpr int kReadings = 3;
constexpr long kTolerance = 4;
constexpr DWORD kWaitMs = 5000;

ProcessResources LeastOfReadings(DWORD processId) {
  ProcessResources least = CountProcessResources(processId);
  for (int i = 1; i < kReadings; ++i) {
    const ProcessResources now = CountProcessResources(processId);
    least.gdiObjects = std::min(least.gdiObjects, now.gdiObjects);
    least.userObjects = std::min(least.userObjects, now.userObjects);
    least.windows = std::min(least.windows, now.windows);
    least.kernelHandles = std::min(least.kernelHandles, now.kernelHandles);
  }
  return least;
}

void ExpectFlat(const ProcessResources& start, const ProcessResources& now, const char* when) {
  SCOPED_TRACE(when);
  EXPECT_LE(now.gdiObjects - start.gdiObjects, kTolerance) << "GDI objects";
  EXPECT_LE(now.windows - start.windows, kTolerance) << "windows";
  EXPECT_LE(now.kernelHandles - start.kernelHandles, kTolerance) << "kernel handles";
  if (start.userObjects >= 0) {
    EXPECT_LE(now.userObjects - start.userObjects, kTolerance) << "USER objects";
  }
}

}  // namespace

// The flatness below means something only if the counts follow what a
// process holds: GDI objects made here, handles put into another process.
TEST(LongRun, TheCountsFollowWhatAProcessHolds) {
  constexpr int kAdded = 8;
  // The first window of a thread may bring the system's own along (an IME window).
  const TTestWindow first(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
  const ProcessResources before = CountProcessResources(GetCurrentProcessId());
  std::vector<HBRUSH> brushes;
  for (int i = 0; i < kAdded; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
  const TTestWindow window(CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr));
  const ProcessResources during = CountProcessResources(GetCurrentProcessId());
  for (HBRUSH brush : brushes) DeleteObject(brush);
  EXPECT_EQ(before.gdiObjects + kAdded, during.gdiObjects);
  EXPECT_EQ(before.windows + 1, during.windows);
  EXPECT_EQ(before.gdiObjects, CountProcessResources(GetCurrentProcessId()).gdiObjects);

  TestWindowProcess other;
  ASSERT_TRUE(other.Start(TestWindowOptions()));
  const ProcessResources otherBefore = CountProcessResources(other.ProcessId());
  EXPECT_GE(otherBefore.windows, 1);
  const TKernelHandle event(CreateEventA(nullptr, FALSE, FALSE, nullptr));
  std::vector<HANDLE> given;
  for (int i = 0; i < kAdded; ++i) {
    HANDLE copy = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), event.Get(), other.Process().Handle(), &copy, 0, FALSE,
                                DUPLICATE_SAME_ACCESS));
    given.push_back(copy);
  }
  EXPECT_EQ(otherBefore.kernelHandles + kAdded, CountProcessResources(other.ProcessId()).kernelHandles);
  // Taken back as a copy here (Wine wants a target process) and closed in the other.
  for (HANDLE copy : given) {
    HANDLE back = nullptr;
    ASSERT_TRUE(DuplicateHandle(other.Process().Handle(), copy, GetCurrentProcess(), &back, 0, FALSE,
                                DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE));
    const TKernelHandle owned(back);
  }
  EXPECT_EQ(otherBefore.kernelHandles, CountProcessResources(other.ProcessId()).kernelHandles);
}

TEST(LongRun, StoringAndGivingBackManyTimesLeavesTheProgramsResourcesFlat) {
  const char* configured = std::getenv("STOWPANE_LONGRUN_CYCLES");
  const int cycles = configured != nullptr && std::atoi(configured) > 0 ? std::atoi(configured) : kDefaultCycles;
  ClearedHkcuKey settings(kApplicationKey);
  // The fastest timer: as many ticks as possible fall among the cycles.
  ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", 300));
  FakeTaskbar tray;
  ASSERT_TRUE(tray.Start());
  std::vector<std::unique_ptr<TestWindowProcess>> programs;
  std::vector<HWND> windows;
  ASSERT_TRUE(StartLongRunWindows(kWindowCount, programs, windows));
  StowpaneProcess stowpane;
  ASSERT_TRUE(stowpane.Start());
  const HWND main = stowpane.WaitForMainWindow();
  ASSERT_NE(nullptr, main);
  ASSERT_TRUE(tray.WaitForRecord(TrayCall("ADD", main, 4000), kWaitMs));
  const DWORD id = stowpane.Process().Id();

  for (int i = 0; i < kWarmUpCycles; ++i) ASSERT_TRUE(RunStoreAllCycle(main, id, windows, kWaitMs)) << i;
  const ProcessResources start = LeastOfReadings(id);
  ASSERT_GE(start.gdiObjects, 0) << "GDI objects cannot be counted here";
  ASSERT_GE(start.kernelHandles, 0) << "kernel handles cannot be counted here";
  ASSERT_GT(start.windows, 0);
  std::printf("[ LONG RUN ] %d windows, %d cycles; at the start  %s\n", kWindowCount, cycles,
              DescribeResources(start).c_str());

  ProcessResources middle;
  for (int i = 0; i < cycles; ++i) {
    ASSERT_TRUE(RunStoreAllCycle(main, id, windows, kWaitMs)) << "cycle " << i;
    if (i == cycles / 2 - 1) {
      middle = LeastOfReadings(id);
      std::printf("[ LONG RUN ] after %4d cycles %s\n", i + 1, DescribeResources(middle).c_str());
    }
  }
  const ProcessResources end = LeastOfReadings(id);
  std::printf("[ LONG RUN ] after %4d cycles %s\n", cycles, DescribeResources(end).c_str());
  std::fflush(stdout);
  ExpectFlat(start, middle, "middle");
  ExpectFlat(start, end, "end");
  // The run left the tray as it found it.
  EXPECT_EQ(1u, tray.Icons().size());
  ASSERT_TRUE(stowpane.Exit());
}
