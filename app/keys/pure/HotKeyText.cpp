#include "app/keys/pure/HotKeyText.h"

#include <cstdio>

namespace {

constexpr unsigned kAllModifiers = kHotKeyAlt | kHotKeyControl | kHotKeyShift | kHotKeyWin;

struct TKeyName {
  unsigned key;
  const char* name;
};

// Virtual-key codes of the keys whose caps read differently from what
// systems name them. The arrows are the Shift-JIS arrows (<- ^ -> v).
constexpr TKeyName kNames[] = {
    {0x08, "BackSpace"}, {0x09, "Tab"},      {0x0D, "Enter"}, {0x13, "Pause"},       {0x20, "Space"},
    {0x21, "PageUp"},    {0x22, "PageDown"}, {0x23, "End"},   {0x24, "Home"},        {0x25, "\x81\xA9"},
    {0x26, "\x81\xAA"},  {0x27, "\x81\xA8"},  {0x28, "\x81\xAB"}, {0x2C, "PrintScreen"}, {0x2D, "Insert"},
    {0x2E, "Delete"},    {0x6A, "Num *"},    {0x6B, "Num +"}, {0x6D, "Num -"},       {0x6E, "Num ."},
    {0x6F, "Num /"},
};

// "Nashi" (none) in Shift-JIS.
constexpr char kNoKey[] = "\x82\xC8\x82\xB5";

}  // namespace

THotKey HotKeyFromValue(uint32_t value) {
  const THotKey hotKey{(value >> 8) & 0xFF, value & 0xFF};
  if ((value >> 16) != 0 || (hotKey.modifiers & ~kAllModifiers) != 0 || !IsUsableHotKey(hotKey)) return THotKey{};
  return hotKey;
}

uint32_t ValueFromHotKey(const THotKey& hotKey) {
  if (hotKey.IsOff()) return 0;
  return ((hotKey.modifiers & kAllModifiers) << 8) | (hotKey.key & 0xFF);
}

bool IsModifierKey(unsigned key) {
  switch (key) {
    case 0x10: case 0x11: case 0x12:        // Shift, Ctrl, Alt
    case 0x5B: case 0x5C:                   // the Win keys
    case 0xA0: case 0xA1: case 0xA2: case 0xA3: case 0xA4: case 0xA5:  // their left and right forms
      return true;
    default:
      return false;
  }
}

bool IsUsableHotKey(const THotKey& hotKey) {
  if (hotKey.key == 0 || hotKey.key > 0xFE || IsModifierKey(hotKey.key)) return false;
  // Mouse buttons have virtual keys too, but no field can be given them.
  if (hotKey.key <= 0x06) return false;
  const bool functionKey = hotKey.key >= 0x70 && hotKey.key <= 0x87;
  return functionKey || (hotKey.modifiers & (kHotKeyControl | kHotKeyAlt | kHotKeyWin)) != 0;
}

std::string KnownKeyName(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  char text[16];
  if (key >= 0x70 && key <= 0x87) {
    std::snprintf(text, sizeof text, "F%u", key - 0x70 + 1);
    return text;
  }
  if (key >= 0x60 && key <= 0x69) {
    std::snprintf(text, sizeof text, "Num %u", key - 0x60);
    return text;
  }
  for (const TKeyName& each : kNames) {
    if (each.key == key) return each.name;
  }
  return std::string();
}

std::string HotKeyText(const THotKey& hotKey, const std::string& keyName) {
  if (hotKey.IsOff()) return kNoKey;
  std::string text;
  if (hotKey.modifiers & kHotKeyControl) text += "Ctrl + ";
  if (hotKey.modifiers & kHotKeyAlt) text += "Alt + ";
  if (hotKey.modifiers & kHotKeyShift) text += "Shift + ";
  if (hotKey.modifiers & kHotKeyWin) text += "Win + ";
  if (!keyName.empty()) return text + keyName;
  char code[8];
  std::snprintf(code, sizeof code, "#%u", hotKey.key);
  return text + code;
}
