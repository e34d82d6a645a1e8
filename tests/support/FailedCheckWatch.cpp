#include <windows.h>

#include "tests/support/FailedCheckWatch.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "framework/base/Check.h"

namespace {

unsigned countAtStart = 0;
bool allowed = false;
int offenders = 0;

class TFailedCheckListener : public ::testing::EmptyTestEventListener {
  void OnTestStart(const ::testing::TestInfo&) override {
    countAtStart = FailedCheckCount();
    allowed = false;
  }
  void OnTestEnd(const ::testing::TestInfo& test) override {
    const unsigned failed = FailedCheckCount() - countAtStart;
    if (failed == 0 || allowed) return;
    ++offenders;
    std::fprintf(stderr, "FAILED CHECK: %u check(s) failed during %s.%s (run with WINEDEBUG=+debugstr to see which)\n",
                 failed, test.test_suite_name(), test.name());
  }
};

}  // namespace

void WatchFailedChecks() {
  ::testing::UnitTest::GetInstance()->listeners().Append(new TFailedCheckListener);
}

void AllowFailedChecksInThisTest() { allowed = true; }

int TestsWithUnexpectedFailedChecks() { return offenders; }
