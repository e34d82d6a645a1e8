#include "app/pure/PeriodicTimer.h"

uint32_t ClampTimerPeriod(uint32_t stored) {
  if (stored < kMinTimerPeriodMs) return kMinTimerPeriodMs;
  if (stored > kMaxTimerPeriodMs) return kMaxTimerPeriodMs;
  return stored;
}
