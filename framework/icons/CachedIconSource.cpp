#include <windows.h>

#include "framework/icons/CachedIconSource.h"

#include <utility>

HICON TCachedIconSource::GetIcon(int kind, TIconSource* fallback) {
  if (!IsSmallOrLargeKind(kind)) return FallbackIcon(kind, fallback);
  Slot& slot = slots_[kind];
  if (!slot.tried) {
    slot.tried = true;
    slot.icon = MakeIcon(kind);
  }
  return slot.icon ? slot.icon.Get() : FallbackIcon(kind, fallback);
}

void TCachedIconSource::Keep(int kind, TIconHandle icon) {
  if (!IsSmallOrLargeKind(kind)) return;
  slots_[kind].icon = std::move(icon);
  slots_[kind].tried = true;
}
