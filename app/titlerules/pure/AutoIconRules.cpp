#include "app/titlerules/pure/AutoIconRules.h"

#include <string>

#include "framework/text/MatchFolding.h"
#include "framework/text/MatchText.h"

unsigned AutoIconMatchFlags(bool distinguishCase, bool distinguishWidth) {
  unsigned flags = kMatchContains | kMatchEnabled | kMatchByteWise;
  if (!distinguishCase) flags |= kMatchFoldCase;
  if (!distinguishWidth) flags |= kMatchFoldWidth;
  return flags;
}

namespace {

TString Folded(const TString& text, bool foldCase, bool foldWidth) {
  if (!foldCase && !foldWidth) return text;
  std::string out(text.Length(), '\0');
  out.resize(FoldForMatch(text.c_str(), text.Length(), foldCase, foldWidth, &out[0]));
  return TString(out);
}

}  // namespace

TTitleMatcher::TTitleMatcher(const TTextList& patterns, bool distinguishCase, bool distinguishWidth)
    : foldCase_(!distinguishCase), foldWidth_(!distinguishWidth) {
  for (const TString& pattern : patterns) folded_.push_back(Folded(pattern, foldCase_, foldWidth_));
}

bool TTitleMatcher::Matches(const TString& title) const {
  const TString folded = Folded(title, foldCase_, foldWidth_);
  // Both sides are folded already: the search itself compares bytes.
  const unsigned flags = AutoIconMatchFlags(true, true);
  for (const TString& pattern : folded_) {
    if (MatchText(folded, pattern, flags)) return true;
  }
  return false;
}

bool StateAllowsAutoIconize(bool minimized, bool released, TScanMode mode) {
  if (mode == TScanMode::Periodic) return minimized;
  // Taken back by the user during the watch: it stays out until minimized again.
  return minimized || !released;
}

bool ShouldAutoIconize(const TScannedWindow& window, const TTitleMatcher& matcher, TScanMode mode) {
  if (window.title.IsEmpty()) return false;
  if (!StateAllowsAutoIconize(window.minimized, window.released, mode)) return false;
  return matcher.Matches(window.title);
}

uint32_t WatchLengthMs(int watchSeconds, int lowerSeconds, int upperSeconds) {
  const int seconds = watchSeconds < lowerSeconds ? lowerSeconds : watchSeconds > upperSeconds ? upperSeconds : watchSeconds;
  return static_cast<uint32_t>(seconds) * 1000u;
}

bool WatchIsOver(uint32_t now, uint32_t armedAt, uint32_t lengthMs) { return now - armedAt > lengthMs; }
