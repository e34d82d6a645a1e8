#pragma once
// CHECK states what must never happen. A debug build stops at a failed check
// so that the fault is seen where it happens; a release build carries on and
// reports it through OutputDebugString, because ending a user's session over
// a bookkeeping slip would lose the windows it keeps. The condition is
// evaluated in both builds, so it may carry the call it checks.
void ReportFailedCheck(const char* condition, const char* file, int line);
// Failed checks since the process started (tests make one fail on purpose).
unsigned FailedCheckCount();

#define CHECK(condition) \
  ((condition) ? static_cast<void>(0) : ReportFailedCheck(#condition, __FILE__, __LINE__))
