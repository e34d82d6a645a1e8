#include "framework/system/pure/SoundAlias.h"

namespace {
constexpr const char* kDefaultSound = ".Default";
}  // namespace

const char* SoundAliasForStyle(uint32_t style) {
  switch (style & 0xF0u) {
    case 0x10: return "SystemHand";         // MB_ICONHAND
    case 0x20: return "SystemQuestion";     // MB_ICONQUESTION
    case 0x30: return "SystemExclamation";  // MB_ICONEXCLAMATION
    case 0x40: return "SystemAsterisk";     // MB_ICONASTERISK
    default: return kDefaultSound;
  }
}

const char* SoundAliasForIcon(uintptr_t iconId) {
  switch (iconId) {
    case 32513: return "SystemHand";         // IDI_HAND
    case 32514: return "SystemQuestion";     // IDI_QUESTION
    case 32515: return "SystemExclamation";  // IDI_EXCLAMATION
    case 32516: return "SystemAsterisk";     // IDI_ASTERISK
    default: return kDefaultSound;
  }
}
