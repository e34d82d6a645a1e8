#include <windows.h>

#include "framework/system/SystemSound.h"

#include <gtest/gtest.h>

namespace {

// A message box plays its sound and goes on: each call must return at once,
// whether or not the system has a sound device.
TEST(SystemSound, EveryCallReturnsWithoutWaiting) {
  const DWORD start = GetTickCount();
  for (uint32_t style : {0u, 0x10u, 0x20u, 0x30u, 0x40u, 0x50u, 0xFFFFFFFFu}) {
    const DWORD before = GetTickCount();
    PlaySystemSound(style);
    EXPECT_LT(GetTickCount() - before, 500u) << style;
  }
  const char* icons[] = {IDI_HAND, IDI_QUESTION, IDI_EXCLAMATION, IDI_ASTERISK, IDI_APPLICATION,
                         "NAMED_ICON", nullptr};
  for (const char* icon : icons) {
    const DWORD before = GetTickCount();
    PlaySoundForIcon(icon);
    EXPECT_LT(GetTickCount() - before, 500u);
  }
  EXPECT_LT(GetTickCount() - start, 2000u);
}

}  // namespace
