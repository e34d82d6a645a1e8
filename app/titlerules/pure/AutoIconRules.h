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

// Whether a window in this state could be stored in this mode whatever its
// title: the cheap question a pass asks before reading a title.
bool StateAllowsAutoIconize(bool minimized, bool released, TScanMode mode);

// True when the window is to be stored now. An empty title never matches.
bool ShouldAutoIconize(const TScannedWindow& window, const TTitleMatcher& matcher, TScanMode mode);

// The watch after a start with the system lasts the stored number of
// seconds, kept within the dialog's bounds (an edited value could overflow
// the milliseconds or never end).
uint32_t WatchLengthMs(int watchSeconds, int lowerSeconds, int upperSeconds);
// Over once more than `lengthMs` passed since the tick count `armedAt`. The
// elapsed time is an unsigned difference: the tick count's wrap every 49.7
// days changes nothing, however long no scan ran.
bool WatchIsOver(uint32_t now, uint32_t armedAt, uint32_t lengthMs);
