#pragma once
// Which windows the title rules store: a window whose title contains one of
// the patterns (byte-wise, letter case and character width folded unless the
// user distinguishes them), during the watch after a start with the system,
// or whenever it is minimized.
#include <cstdint>

#include "framework/text/TString.h"
#include "framework/text/TTextList.h"

enum class TScanMode { Startup, Periodic };

// The flag word of the title comparison.
unsigned AutoIconMatchFlags(bool distinguishCase, bool distinguishWidth);

struct TScannedWindow {
  TString title;
  bool minimized = false;
  bool released = false;  // the user took it back through its tray icon
};

// True when the window is to be stored now. An empty title never matches.
bool ShouldAutoIconize(const TScannedWindow& window, const TTextList& patterns, unsigned flags, TScanMode mode);

// When the watch after a start with the system ends; the sum wraps as the
// tick count does, and a deadline that wrapped ends the watch after its
// first scan.
uint32_t WatchDeadline(uint32_t now, uint32_t watchSeconds);
bool WatchIsOver(uint32_t now, uint32_t deadline);
