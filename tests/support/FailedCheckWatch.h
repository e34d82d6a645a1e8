#pragma once
// Every test under Wine runs watched: a CHECK that fails during a test that
// did not ask for it is a fault of the product (a handle freed that was not
// ours, a timer refused), even when the test's own assertions pass. The watch
// names the test, and the test program then ends with a failure status.
void WatchFailedChecks();
// Called by a test that makes checks fail on purpose.
void AllowFailedChecksInThisTest();
// Tests during which a check failed without leave.
int TestsWithUnexpectedFailedChecks();
