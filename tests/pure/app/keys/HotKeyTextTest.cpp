#include "app/keys/pure/HotKeyText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

TEST(HotKeyText, StoredValuesAreTakenOnlyWhenTheyNameAUsableKey) {
  struct Case {
    uint32_t value;
    THotKey key;  // off when the value is no usable key
  } cases[] = {
      {0, {}},
      {ValueFromHotKey(kDefaultStoreHotKey), kDefaultStoreHotKey},
      {0x0728, {kHotKeyControl | kHotKeyAlt | kHotKeyShift, 0x28}},
      {0x0074, {0, 0x74}},            // F5 alone
      {0x0441, {}},                   // Shift+A: capitals would go
      {0x0041, {}},                   // A alone
      {0x0210, {}},                   // Ctrl+Shift: a modifier is no key
      {0x0201, {}},                   // a mouse button
      {0x1041, {}},                   // a modifier bit no system knows
      {0x00010241, {}},               // bits beyond the two bytes
      {0xFFFFFFFF, {}},
      {0x08FF, {}},                   // key 255
      {0x085B, {}},                   // Win+the Win key
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.key, HotKeyFromValue(c.value)) << std::hex << c.value;
    if (!c.key.IsOff()) {
      EXPECT_EQ(c.value, ValueFromHotKey(c.key)) << std::hex << c.value;
    }
  }
  EXPECT_EQ(0u, ValueFromHotKey(THotKey{}));
}

// Shift-JIS: the tests run natively too, where a literal would be UTF-8.
const std::string kDownArrow = "\x81\xAB", kUpArrow = "\x81\xAA", kNone = "\x82\xC8\x82\xB5";

TEST(HotKeyText, KeysReadAsTheirCapsWithTheModifiersInOneOrder) {
  struct Case {
    THotKey key;
    std::string systemName;  // what the system would call a key the table lacks
    std::string text;
  } cases[] = {
      {{}, "", kNone},
      {kDefaultStoreHotKey, "", "Ctrl + Alt + Shift + " + kDownArrow},
      {kDefaultRestoreHotKey, "", "Ctrl + Alt + Shift + " + kUpArrow},
      {{kHotKeyWin | kHotKeyShift | kHotKeyAlt | kHotKeyControl, 'Z'}, "", "Ctrl + Alt + Shift + Win + Z"},
      {{kHotKeyAlt, '7'}, "", "Alt + 7"},
      {{0, 0x87}, "", "F24"},
      {{kHotKeyControl, 0x60}, "", "Ctrl + Num 0"},
      {{kHotKeyControl, 0x22}, "", "Ctrl + PageDown"},
      {{kHotKeyControl, 0xBA}, ":", "Ctrl + :"},   // an OEM key: the system's name
      {{kHotKeyControl, 0xBB}, "", "Ctrl + #187"},  // no name at all: its number
  };
  for (const auto& c : cases) {
    const std::string known = KnownKeyName(c.key.key);
    EXPECT_EQ(c.text, HotKeyText(c.key, known.empty() ? c.systemName : known)) << c.key.key;
  }
}
