#include <windows.h>

#include "framework/system/SystemFont.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

LOGFONTA FontOf(HFONT font) {
  LOGFONTA description{};
  EXPECT_EQ(static_cast<int>(sizeof(description)), GetObjectA(font, sizeof(description), &description));
  return description;
}

TEST(SystemFont, EachKindIsMadeFromItsOwnSetting) {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = 340;
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, 340, &metrics, 0));
  LOGFONTA iconTitle{};
  ASSERT_TRUE(SystemParametersInfoA(SPI_GETICONTITLELOGFONT, sizeof(iconTitle), &iconTitle, 0));
  const LOGFONTA expected[] = {metrics.lfCaptionFont, iconTitle,
                               metrics.lfMenuFont,    metrics.lfMessageFont,
                               metrics.lfSmCaptionFont, metrics.lfStatusFont};
  for (int kind = 0; kind <= 5; ++kind) {
    SCOPED_TRACE(kind);
    const TOwnedFont font = CreateSystemFont(kind);
    ASSERT_TRUE(font);
    const LOGFONTA made = FontOf(font.Get());
    EXPECT_EQ(expected[kind].lfHeight, made.lfHeight);
    EXPECT_EQ(expected[kind].lfWeight, made.lfWeight);
    EXPECT_STREQ(expected[kind].lfFaceName, made.lfFaceName);
  }
}

TEST(SystemFont, OtherKindsGiveNoFont) {
  for (int kind : {6, 7, -1, 100, 0x7FFFFFFF}) {
    EXPECT_FALSE(CreateSystemFont(kind)) << kind;
  }
}

TEST(SystemFont, OwnershipMovesAndCanBeHandedOn) {
  TOwnedFont first = CreateSystemFont(kMessageFont);
  ASSERT_TRUE(first);
  const HFONT handle = first.Get();
  TOwnedFont second = std::move(first);
  EXPECT_FALSE(first);  // NOLINT(bugprone-use-after-move): the moved-from state is the point
  EXPECT_EQ(handle, second.Get());
  second = CreateSystemFont(kMenuFont);  // the message font is deleted here
  EXPECT_EQ(0, GetObjectType(handle));
  const HFONT released = second.Release();
  EXPECT_FALSE(second);
  EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(released));
  DeleteObject(released);
}

}  // namespace
