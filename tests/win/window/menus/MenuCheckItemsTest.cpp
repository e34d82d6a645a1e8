#include <windows.h>

#include <gtest/gtest.h>

#include "framework/base/Owners.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/menus/MenuCheckItems.h"
#include "tests/support/ThrowawayRegKey.h"

TEST(MenuCheckItems, StateComesFromTheRegistryShowsAsTheCheckAndTurnsOverOnItsCommand) {
  ThrowawayRegKey key;
  ASSERT_TRUE(key.Ok());
  TRegKeyList keys(HKEY_CURRENT_USER, key.Path().c_str());
  ASSERT_EQ(ERROR_SUCCESS, keys.Create());
  TMenuHandle menu(CreatePopupMenu());
  AppendMenuA(menu.Get(), MF_STRING, 109, "standby");
  AppendMenuA(menu.Get(), MF_STRING, 110, "other");
  auto checked = [&] { return (GetMenuState(menu.Get(), 109, MF_BYCOMMAND) & MF_CHECKED) != 0; };

  struct Case {
    const char* reason;
    bool present;
    DWORD stored;
    bool shown;
  } cases[] = {
      {"absent: the initial state", false, 0, true},
      {"stored 0", true, 0, false},
      {"any other number is on", true, 7, true},
  };
  for (const auto& c : cases) {
    TMenuCheckGroup group(menu.Get());
    group.Add(TMenuCheckItem(109, "StandbyCure", true));
    if (c.present) {
      TRegDword(keys, "StandbyCure").Write(c.stored);
    } else {
      keys.DeleteValue("StandbyCure");
    }
    group.Load(keys);
    group.Apply();
    EXPECT_EQ(c.shown, checked()) << c.reason;
  }

  // Its own command turns it over; another passes by; the menu's state is saved.
  TMenuCheckGroup group(menu.Get());
  group.Add(TMenuCheckItem(109, "StandbyCure", true));
  group.Load(keys);
  group.Apply();
  EXPECT_FALSE(group.OnCommand(110));
  EXPECT_TRUE(group.OnCommand(109));
  EXPECT_FALSE(checked());
  CheckMenuItem(menu.Get(), 109, MF_BYCOMMAND | MF_CHECKED);
  group.ReadBack();
  group.Save(keys);
  EXPECT_EQ(1u, TRegDword(keys, "StandbyCure").Get(99));
  keys.Close();
}
