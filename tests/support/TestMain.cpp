// One main for every GoogleTest program, native and under Wine.
#include <gtest/gtest.h>

#include <cstdio>

#ifdef _WIN32
#  include <windows.h>  // indented: this file is shared with the native build

#  include "tests/support/FailedCheckWatch.h"
#endif

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
#ifdef _WIN32
  // Every Shift-JIS expectation assumes code page 932: a run that lost the
  // Japanese locale must fail loudly rather than pass on the wrong bytes.
  if (GetACP() != 932) {
    std::fprintf(stderr, "FATAL: the ANSI code page is %u, not 932 (Japanese locale missing)\n",
                 GetACP());
    return 3;
  }
  WatchFailedChecks();
  const int result = RUN_ALL_TESTS();
  if (TestsWithUnexpectedFailedChecks() > 0) {
    std::fprintf(stderr, "FATAL: checks failed in %d test(s) that did not expect it\n",
                 TestsWithUnexpectedFailedChecks());
    return 1;
  }
  return result;
#else
  return RUN_ALL_TESTS();
#endif
}
