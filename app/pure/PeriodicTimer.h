#pragma once
// The period of the main timer: "PeriodicTimer" in milliseconds, 1300 when
// absent, kept within 300 ... 5000.
#include <cstdint>

constexpr uint32_t kDefaultTimerPeriodMs = 1300;
constexpr uint32_t kMinTimerPeriodMs = 300;
constexpr uint32_t kMaxTimerPeriodMs = 5000;

uint32_t ClampTimerPeriod(uint32_t stored);
