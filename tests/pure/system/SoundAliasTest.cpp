#include "framework/system/pure/SoundAlias.h"

#include <gtest/gtest.h>

TEST(SoundAlias, ByMessageBoxStyle) {
  struct Case {
    uint32_t style;
    const char* alias;
  } cases[] = {
      {0, ".Default"},
      {0x10, "SystemHand"},
      {0x20, "SystemQuestion"},
      {0x30, "SystemExclamation"},
      {0x40, "SystemAsterisk"},
      {0x24, "SystemQuestion"},      // MB_YESNO | MB_ICONQUESTION
      {0x1031, "SystemExclamation"},  // MB_SYSTEMMODAL | MB_ICONEXCLAMATION | MB_OKCANCEL
      {0x04, ".Default"},            // buttons only
      {0x50, ".Default"},            // no such icon
      {0x80, ".Default"},            // MB_USERICON
      {0xF0, ".Default"},
      {0xFFFFFFFFu, ".Default"},
      {0x10000, ".Default"},         // MB_SETFOREGROUND, no icon
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(c.alias, SoundAliasForStyle(c.style)) << "style " << c.style;
  }
}

TEST(SoundAlias, ByStockIcon) {
  struct Case {
    uintptr_t id;
    const char* alias;
  } cases[] = {
      {32513, "SystemHand"},
      {32514, "SystemQuestion"},
      {32515, "SystemExclamation"},
      {32516, "SystemAsterisk"},
      {32512, ".Default"},          // IDI_APPLICATION
      {32517, ".Default"},          // IDI_WINLOGO
      {0, ".Default"},
      {0x10, ".Default"},           // a style, not an icon
      {32513 + 0x10000, ".Default"},  // only the exact ID counts
  };
  for (const auto& c : cases) {
    EXPECT_STREQ(c.alias, SoundAliasForIcon(c.id)) << "icon " << c.id;
  }
}
