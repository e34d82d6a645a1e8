#pragma once
// A fine clock for tests and benchmarks that time what they do. Header-only.
#include <windows.h>

// Microseconds from the performance counter (10 MHz under Wine).
inline double NowUs() {
  static const double perUs = [] {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1e6;
  }();
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / perUs;
}
