#include <windows.h>

#include <gtest/gtest.h>

#include "framework/base/Check.h"
#include "framework/base/Owners.h"
#include "tests/support/FailedCheckWatch.h"

// The test build is a release build: a failed check is counted and reported,
// and the program carries on.
TEST(Check, CountsFailuresEvaluatesOnceAndCarriesOn) {
  AllowFailedChecksInThisTest();
  const unsigned before = FailedCheckCount();
  int evaluations = 0;
  CHECK(++evaluations == 1);
  EXPECT_EQ(before, FailedCheckCount());
  CHECK(++evaluations == 1);
  EXPECT_EQ(2, evaluations);
  EXPECT_EQ(before + 1, FailedCheckCount());
}

// An owner whose handle was freed behind its back says so when it frees it.
TEST(Check, AnOwnerReportsAFreeThatFails) {
  AllowFailedChecksInThisTest();
  HICON icon = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
  ASSERT_NE(nullptr, icon);
  const unsigned before = FailedCheckCount();
  { TIconHandle owner(icon); }
  EXPECT_EQ(before, FailedCheckCount());
  HICON freed = CopyIcon(LoadIconA(nullptr, IDI_APPLICATION));
  ASSERT_TRUE(DestroyIcon(freed));
  { TIconHandle owner(freed); }
  EXPECT_EQ(before + 1, FailedCheckCount());
}
