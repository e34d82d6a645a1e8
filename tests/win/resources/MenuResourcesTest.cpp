#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/base/Owners.h"
#include "resources/ResourceIds.h"

namespace {

struct Item {
  UINT id;  // 0: a separator
  const char* text;
  bool grayed;
};

std::string ItemText(HMENU menu, UINT position) {
  char text[256] = {};
  GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
  return text;
}

void ExpectItems(HMENU menu, const std::vector<Item>& items) {
  ASSERT_NE(nullptr, menu);
  ASSERT_EQ(static_cast<int>(items.size()), GetMenuItemCount(menu));
  for (UINT i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    const UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    if (items[i].id == 0) {
      EXPECT_NE(0u, state & MF_SEPARATOR);
      continue;
    }
    EXPECT_EQ(items[i].id, GetMenuItemID(menu, static_cast<int>(i)));
    EXPECT_EQ(items[i].text, ItemText(menu, i));
    EXPECT_EQ(items[i].grayed, (state & MF_GRAYED) != 0);
  }
}

}  // namespace

TEST(MenuResources, TrayMenuHoldsTheFixedCommands) {
  TMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_TRAY_MENU)));
  ExpectItems(GetSubMenu(menu.Get(), 0), {
                                             {106, "すべてｱｲｺﾝ化(&K)", false},
                                             {107, "すべて元に戻す(&R)", false},
                                             {0, "", false},
                                             {108, "自動ｱｲｺﾝ化設定(&S)...", false},
                                             {109, "応急ﾓｰﾄﾞｽﾀﾝﾊﾞｲ(&C)", false},
                                             {0, "", false},
                                             {901, "ﾍﾙﾌﾟ(&H)", false},
                                             {905, "ﾊﾞｰｼﾞｮﾝ情報(&A)", false},
                                             {0, "", false},
                                             {199, "終了(&X)", false},
                                         });
}

TEST(MenuResources, EmergencyMenuBarStartsWithCloseGrayed) {
  TMenuHandle menu(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDM_EMERGENCY_MENU)));
  ASSERT_NE(nullptr, menu.Get());
  ASSERT_EQ(3, GetMenuItemCount(menu.Get()));
  EXPECT_EQ("ﾌｧｲﾙ(&F)", ItemText(menu.Get(), 0));
  EXPECT_EQ("ｳｨﾝﾄﾞｳ(&W)", ItemText(menu.Get(), 1));
  EXPECT_EQ("ﾍﾙﾌﾟ(&H)", ItemText(menu.Get(), 2));
  ExpectItems(GetSubMenu(menu.Get(), 0), {
                                             {110, "閉じる(&X)", true},
                                             {0, "", false},
                                             {111, "ﾀｽｸﾏﾈｰｼﾞｬを起動(&T)", false},
                                             {112, "ﾌｧｲﾙ名を指定して実行(&R)...", false},
                                             {0, "", false},
                                             {113, "Windows の終了(&U)...", false},
                                         });
  ExpectItems(GetSubMenu(menu.Get(), 1), {{107, "すべて元に戻す(&R)", false}});
  ExpectItems(GetSubMenu(menu.Get(), 2), {{901, "ﾍﾙﾌﾟ(&H)", false}, {905, "ﾊﾞｰｼﾞｮﾝ情報(&A)", false}});
}

TEST(StringResources, MenuHelpTextsByCommandId) {
  struct Case {
    UINT id;
    const char* text;
  } cases[] = {
      {107, "すべてのアイコン化しているウィンドウを元に戻します。"},
      {110, "このウィンドウを閉じます。"},
      {111, "タスクマネージャを起動します。"},
      {112, "指定したファイルを実行します。"},
      {113, "Windows を終了します。"},
      {901, "ヘルプを表示します。"},
      {905, "ﾊﾞｰｼﾞｮﾝ情報、著作権情報を表示します。"},
  };
  for (const auto& c : cases) {
    char text[1024] = {};
    EXPECT_GT(LoadStringA(GetModuleHandleA(nullptr), c.id, text, sizeof text), 0) << c.id;
    EXPECT_STREQ(c.text, text) << c.id;
  }
  char none[16] = {};
  EXPECT_EQ(0, LoadStringA(GetModuleHandleA(nullptr), 106, none, sizeof none));
}

TEST(VersionResource, NamesTheProductInBothLanguages) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, sizeof path);
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> block(size);
  ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));
  struct Case {
    const char* query;
    const char* value;
  } cases[] = {
      {"\\StringFileInfo\\041103a4\\ProductName", "Stowpane"},
      {"\\StringFileInfo\\040904e4\\ProductName", "Stowpane"},
      {"\\StringFileInfo\\041103a4\\FileDescription", "ウィンドウをタスクトレイにしまうユーティリティ"},
      {"\\StringFileInfo\\041103a4\\ProductVersion", "3.0.0"},
      {"\\StringFileInfo\\040904e4\\FileVersion", "3.0.0.0"},
  };
  for (const auto& c : cases) {
    char* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), c.query, reinterpret_cast<void**>(&value), &length)) << c.query;
    EXPECT_STREQ(c.value, value) << c.query;
  }
}
