#pragma once
// One comparable word per Windows version: major in the top byte, minor in the
// next, the low 16 bits of the build below. Drawing and text styles switch on
// this word, so the threshold test lives here, free of any system call.
#include <cstdint>

constexpr uint32_t MakeVersionWord(uint32_t major, uint32_t minor, uint32_t build) {
  // A field wider than its byte is clamped, not wrapped: a minor of 256 must
  // not bleed into the major and reorder versions.
  return ((major > 0xFF ? 0xFFu : major) << 24) | ((minor > 0xFF ? 0xFFu : minor) << 16) |
         (build & 0xFFFFu);
}

// 4.10.1997: Windows 98 test builds and everything older keep the old styles.
constexpr uint32_t kNewStyleVersionThreshold = 0x040A07CD;
static_assert(kNewStyleVersionThreshold == MakeVersionWord(4, 10, 1997), "threshold is 4.10.1997");

// True from 4.10.1998 (Windows 98) on; 4.0 (95, NT 4.0) and 4.10.1997 are old.
constexpr bool IsNewStyleVersion(uint32_t versionWord) {
  return versionWord > kNewStyleVersionThreshold;
}

// dwPlatformId of the NT family (NT 4.0, 2000 and later).
constexpr uint32_t kPlatformNt = 2;
