#include "app/pure/AutoIconRules.h"

#include "framework/text/MatchText.h"

unsigned AutoIconMatchFlags(bool distinguishCase, bool distinguishWidth) {
  unsigned flags = kMatchContains | kMatchEnabled | kMatchByteWise;
  if (!distinguishCase) flags |= kMatchFoldCase;
  if (!distinguishWidth) flags |= kMatchFoldWidth;
  return flags;
}

bool ShouldAutoIconize(const TScannedWindow& window, const TTextList& patterns, unsigned flags, TScanMode mode) {
  if (window.title.IsEmpty()) return false;
  if (mode == TScanMode::Periodic && !window.minimized) return false;
  // Taken back by the user during the watch: it stays out until minimized again.
  if (mode == TScanMode::Startup && !window.minimized && window.released) return false;
  for (const TString& pattern : patterns) {
    if (MatchText(window.title, pattern, flags)) return true;
  }
  return false;
}

uint32_t WatchDeadline(uint32_t now, uint32_t watchSeconds) { return now + watchSeconds * 1000u; }

bool WatchIsOver(uint32_t now, uint32_t deadline) { return now > deadline; }
