#include <windows.h>

#include <gtest/gtest.h>

#include "framework/registry/RegGlobalKeys.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/core/StringResource.h"
#include "tests/support/ThrowawayRegKey.h"

namespace {

// Points the framework's key at a throwaway key, plants "FontStyle" (or not)
// and makes the display choice anew.
class DisplayTextTest : public ::testing::Test {
 protected:
  void UseFontStyle(const DWORD* fontStyle) {
    ASSERT_TRUE(key_.Ok());
    if (fontStyle != nullptr) {
      ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key_.Handle(), "Software\\Quillon\\VellumLibrary\\View", "FontStyle",
                                           REG_DWORD, fontStyle, sizeof *fontStyle));
    }
    CreateGlobalKeyLists(nullptr, key_.Handle());
    ResetDisplayTextChoice();
  }
  void TearDown() override {
    DestroyGlobalKeyLists();
    ResetDisplayTextChoice();
  }
  ThrowawayRegKey key_;
};

}  // namespace

TEST(DisplayChoice, SettingFirstThenTheTaskbar) {
  struct Case {
    unsigned long fontStyle;
    bool rebar;
    bool fullWidth;
  } cases[] = {
      {1, false, false}, {1, true, false}, {2, false, true}, {0xFFFFFFFF, false, true},
      {0, false, false}, {0, true, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.fullWidth, DisplayFullWidthKana(c.fontStyle, c.rebar)) << c.fontStyle << " " << c.rebar;
  }
}

TEST_F(DisplayTextTest, HalfWidthSettingKeepsTheWrittenForm) {
  const DWORD half = 1;
  UseFontStyle(&half);
  EXPECT_EQ("ｷｬﾝｾﾙ", ToDisplayText("ｷｬﾝｾﾙ").Bytes());
  // Full-width katakana in a text are shown half-width too, voiced marks split.
  EXPECT_EQ("ｶﾞｲﾄﾞ", ToDisplayText("ガイド").Bytes());
}

TEST_F(DisplayTextTest, FullWidthSettingConvertsOutsideQuotes) {
  const DWORD full = 2;
  UseFontStyle(&full);
  struct Case {
    const char* text;
    const char* shown;
  } cases[] = {
      {"ｷｬﾝｾﾙ", "キャンセル"},
      {"ｶﾞｲﾄﾞ(&G)", "ガイド(&G)"},
      {"ﾌｧｲﾙ \"ﾒﾓ.txt\" を開けません", "ファイル \"ﾒﾓ.txt\" を開けません"},
      {"ｱ\"ｲｳ", "ア\"ｲｳ"},
      {"Stowpane 3.0 漢字 ABC abc 123", "Stowpane 3.0 漢字 ABC abc 123"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(c.shown, ToDisplayText(c.text).Bytes()) << c.text;
}

// String-table texts are shown to the user: they come converted unless the
// caller asks for the form as written.
TEST_F(DisplayTextTest, StringResourcesComeInTheirDisplayForm) {
  const DWORD full = 2;
  UseFontStyle(&full);
  EXPECT_EQ("ﾊﾞｰｼﾞｮﾝ情報、著作権情報を表示します。", StringResource(905, TTextForm::Stored).Bytes());
  EXPECT_EQ("バージョン情報、著作権情報を表示します。", StringResource(905).Bytes());
  EXPECT_EQ(StringResource(905).Bytes(), StringResource(GetModuleHandleA(nullptr), 905).Bytes());
}

TEST_F(DisplayTextTest, TheChoiceIsMadeOncePerProcess) {
  const DWORD full = 2;
  UseFontStyle(&full);
  EXPECT_EQ("ア", ToDisplayText("ｱ").Bytes());
  const DWORD half = 1;
  ASSERT_EQ(ERROR_SUCCESS, RawSetValue(key_.Handle(), "Software\\Quillon\\VellumLibrary\\View", "FontStyle",
                                       REG_DWORD, &half, sizeof half));
  EXPECT_EQ("ア", ToDisplayText("ｱ").Bytes());
}

TEST_F(DisplayTextTest, AbsentSettingFollowsTheTaskbarAndCreatesTheSection) {
  UseFontStyle(nullptr);
  // Wine's taskbar has no rebar: katakana are shown half-width.
  EXPECT_EQ("ｳｨﾝﾄﾞｳ", ToDisplayText("ウィンドウ").Bytes());
  HKEY view = nullptr;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_.Handle(), "Software\\Quillon\\VellumLibrary\\View", 0, KEY_READ, &view));
  if (view != nullptr) RegCloseKey(view);
}
