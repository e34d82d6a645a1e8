#pragma once
// Which windows the title rules store: a window whose title contains one of
// the patterns (byte-wise, letter case and character width folded unless the
// user distinguishes them), during the watch after a start with the system,
// or whenever it is minimized.
#include <cstdint>
#include <vector>

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

// The patterns folded once for a whole pass; each title is folded once and
// searched for each pattern, as MatchText does with the flag word above.
class TTitleMatcher {
 public:
  TTitleMatcher(const TTextList& patterns, bool distinguishCase, bool distinguishWidth);
  bool Matches(const TString& title) const;

 private:
  bool foldCase_;
  bool foldWidth_;
  std::vector<TString> folded_;
};

// True when the window is to be stored now. An empty title never matches.
bool ShouldAutoIconize(const TScannedWindow& window, const TTitleMatcher& matcher, TScanMode mode);

// When the watch after a start with the system ends; the sum wraps as the
// tick count does, and a deadline that wrapped ends the watch after its
// first scan.
uint32_t WatchDeadline(uint32_t now, uint32_t watchSeconds);
bool WatchIsOver(uint32_t now, uint32_t deadline);
