#include <windows.h>
#include <mmsystem.h>

#include "framework/system/SystemSound.h"

#include "framework/system/LazyLibrary.h"

#include "framework/system/pure/SoundAlias.h"

namespace {

// Asynchronous, and skipped rather than queued when another sound is playing:
// a message box must never wait for its sound.
constexpr DWORD kSoundFlags = SND_ALIAS | SND_NOWAIT | SND_ASYNC;
static_assert(kSoundFlags == 0x00012001, "alias, no wait, asynchronous");

void PlayAlias(const char* alias) { LazyPlaySound(alias, nullptr, kSoundFlags); }

}  // namespace

void PlaySystemSound(uint32_t style) { PlayAlias(SoundAliasForStyle(style)); }

void PlaySoundForIcon(const char* stockIcon) {
  const uintptr_t id =
      IS_INTRESOURCE(stockIcon) ? reinterpret_cast<uintptr_t>(stockIcon) : uintptr_t{0};
  PlayAlias(SoundAliasForIcon(id));
}
