#include <windows.h>

#include "framework/base/Check.h"

#include <cstdio>
#include <cstdlib>

namespace {
unsigned failedChecks = 0;
}  // namespace

void ReportFailedCheck(const char* condition, const char* file, int line) {
  ++failedChecks;
  char text[512];
  std::snprintf(text, sizeof text, "Stowpane: check failed: %s (%s:%d)\n", condition, file, line);
  OutputDebugStringA(text);
#ifndef NDEBUG
  std::abort();
#endif
}

unsigned FailedCheckCount() { return failedChecks; }
