#include <windows.h>

#include "framework/window/core/StringResource.h"

#include <gtest/gtest.h>

namespace {

// The first string a module holds, found by asking, so the test does not
// depend on one system's numbering.
UINT FirstStringId(HINSTANCE module) {
  char probe[8];
  for (UINT id = 1; id < 0x2000; ++id) {
    if (LoadStringA(module, id, probe, sizeof(probe)) > 0) return id;
  }
  return 0;
}

TEST(StringResource, ReadsAnExistingStringAsStored) {
  const HINSTANCE user32 = GetModuleHandleA("user32.dll");
  ASSERT_NE(nullptr, user32);
  const UINT id = FirstStringId(user32);
  ASSERT_NE(0u, id);
  char expected[1024] = {};
  ASSERT_GT(LoadStringA(user32, id, expected, sizeof(expected)), 0);

  EXPECT_STREQ(expected, StringResource(user32, id, TTextForm::Stored).c_str());
}

TEST(StringResource, MissingStringIsEmptyInEitherForm) {
  EXPECT_STREQ("", StringResource(0xFFF0u).c_str());
  EXPECT_STREQ("", StringResource(0xFFF0u, TTextForm::Stored).c_str());
  EXPECT_STREQ("", StringResource(GetModuleHandleA("user32.dll"), 0xFFF0u).c_str());
}

}  // namespace
