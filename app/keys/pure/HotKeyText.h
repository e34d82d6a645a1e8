#pragma once
// The two global keys (store the active window, give back the last one
// stored) as the registry keeps them and as the user reads them. A key is a
// virtual-key code and the modifiers in RegisterHotKey's bits; the value is
// the key in its low byte and the modifiers in the next, 0 for none.
#include <cstdint>
#include <string>

constexpr unsigned kHotKeyAlt = 1;
constexpr unsigned kHotKeyControl = 2;
constexpr unsigned kHotKeyShift = 4;
constexpr unsigned kHotKeyWin = 8;

struct THotKey {
  unsigned modifiers = 0;
  unsigned key = 0;  // 0: switched off
  bool IsOff() const { return key == 0; }
  bool operator==(const THotKey& other) const { return modifiers == other.modifiers && key == other.key; }
  bool operator!=(const THotKey& other) const { return !(*this == other); }
};

// Ctrl+Alt+Shift with Down and Up: no Windows up to 11 uses either, and
// drivers that turn the screen take Ctrl+Alt with the arrows, without Shift.
constexpr THotKey kDefaultStoreHotKey{kHotKeyControl | kHotKeyAlt | kHotKeyShift, 0x28};
constexpr THotKey kDefaultRestoreHotKey{kHotKeyControl | kHotKeyAlt | kHotKeyShift, 0x26};

// A stored value that names no usable key (bits beyond the two bytes, unknown
// modifiers, a key no field can give) is switched off, never guessed at.
THotKey HotKeyFromValue(uint32_t value);
uint32_t ValueFromHotKey(const THotKey& hotKey);

// A key the fields take: not a modifier key itself, and held with Ctrl, Alt
// or Win, or a function key (which no one types into a text). Shift alone
// with a letter would take capitals from every program.
bool IsUsableHotKey(const THotKey& hotKey);
// A modifier key itself (Shift, Ctrl, Alt, Win, either side).
bool IsModifierKey(unsigned key);

// The name of a key as its cap shows it (the arrows as Shift-JIS arrows);
// empty for keys this table lacks, whose names the system gives.
std::string KnownKeyName(unsigned key);
// "Ctrl + Alt + Shift + " and the key's name (the modifiers always in that
// order); "nashi" (none, in Shift-JIS) for a key switched off. Texts are the
// program's Shift-JIS.
std::string HotKeyText(const THotKey& hotKey, const std::string& keyName);
