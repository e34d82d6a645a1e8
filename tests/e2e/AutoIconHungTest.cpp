// The title rules against more than one window that does not answer, with the
// real Stowpane.exe: the scans ask about them one at a time. With a single
// hung window a scan inside its question skips that window anyway; only a
// second one shows whether the ticks leave the scans alone while a question
// is open.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>
#include <string>

#include "tests/support/E2eHarness.h"
#include "tests/support/StowpaneProcess.h"

namespace {

constexpr DWORD kWaitMs = 5000;
constexpr DWORD kTimerPeriodMs = 300;
const std::string kAutoIconKey = std::string(kApplicationKey) + "\\AutoIcon";

class AutoIconHung : public ::testing::Test {
 protected:
  AutoIconHung() : settings_(kApplicationKey) {}
  void SetUp() override {
    ASSERT_TRUE(WriteHkcuDword(kApplicationKey, "PeriodicTimer", kTimerPeriodMs));
    // "不明" is the title of a window that does not answer; the watch after a
    // start with the system stores shown windows and outlasts the test.
    ASSERT_TRUE(WriteHkcuValue(kAutoIconKey + "\\TitleList", "000000", REG_SZ, std::string("不明", 5)));
    ASSERT_TRUE(WriteHkcuDword(kAutoIconKey, "OnAutoIcon", 1));
    ASSERT_TRUE(WriteHkcuDword(kAutoIconKey, "WatchTime", 60));
    ASSERT_TRUE(tray_.Start());
  }
  // The store questions ("IconicError": retry and cancel) open now.
  std::set<HWND> OpenQuestions() {
    std::set<HWND> open;
    for (HWND w : FindTopLevelWindows({kMainWindowClass, std::nullopt, stowpane_.Process().Id()})) {
      if (w != main_ && IsWindowVisible(w) && GetDlgItem(w, IDCANCEL) != nullptr && GetDlgItem(w, IDRETRY) != nullptr)
        open.insert(w);
    }
    return open;
  }
  // Watches the questions for `ms` (or until `until` holds), noting every one
  // seen and the most open at once.
  void Watch(DWORD ms, const std::function<bool()>& until = [] { return false; }) {
    WaitUntil(
        [&] {
          const std::set<HWND> open = OpenQuestions();
          mostOpen_ = std::max(mostOpen_, open.size());
          seen_.insert(open.begin(), open.end());
          return until();
        },
        ms, 20);
  }
  static void Cancel(HWND question) {
    PostMessageA(question, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(question, IDCANCEL)));
  }

  ClearedHkcuKey settings_;
  FakeTaskbar tray_;
  StowpaneProcess stowpane_;
  HWND main_ = nullptr;
  size_t mostOpen_ = 0;
  std::set<HWND> seen_;
};

}  // namespace

TEST_F(AutoIconHung, TwoHungMatchingWindowsAreAskedAboutOneAtATime) {
  TestWindowProcess first, second;
  TestWindowOptions options;
  options.title = "first";
  ASSERT_TRUE(first.Start(options));
  options.title = "second";
  ASSERT_TRUE(second.Start(options));
  ASSERT_TRUE(first.Hang(20000));
  ASSERT_TRUE(second.Hang(20000));
  ASSERT_TRUE(stowpane_.Start("/restore"));
  main_ = stowpane_.WaitForMainWindow();
  ASSERT_NE(nullptr, main_);

  // The first question, and ticks while it is open.
  Watch(8000, [&] { return !seen_.empty(); });
  ASSERT_EQ(1u, seen_.size()) << "no question about a hung window";
  Watch(6 * kTimerPeriodMs);
  // Cancelled, the scan goes on to the other window: again one question.
  Cancel(*seen_.begin());
  Watch(kWaitMs, [&] { return seen_.size() >= 2; });
  EXPECT_LE(2u, seen_.size()) << "the second window was never asked about";
  Watch(6 * kTimerPeriodMs);

  // The exit waits for the open question; every question is cancelled until it ends.
  PostMessageA(main_, WM_COMMAND, kExitCommand, 0);
  Watch(15000, [&] {
    for (HWND question : OpenQuestions()) Cancel(question);
    return !stowpane_.Process().IsRunning();
  });
  EXPECT_FALSE(stowpane_.Process().IsRunning());
  EXPECT_EQ(1u, mostOpen_) << "a question was opened inside another";
}
