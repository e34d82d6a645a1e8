#include <windows.h>

#include "app/titlerules/AutoIconScan.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/storing/CandidateWindows.h"

void AutoIconizeScan(TWindowStore& store, HWND mainWindow, const TAutoIconRules& rules, TScanMode mode,
                     const THandleList& releasedWindows) {
  const auto released = [&](HWND window) {
    return std::find(releasedWindows.begin(), releasedWindows.end(), window) != releasedWindows.end();
  };
  // The state first, a question without a send: a window that cannot be
  // stored in this mode (not minimized in a periodic pass, taken back during
  // the watch) costs no title read, and a hung one among them no wait. The
  // titles of the rest are read first, all of them, and matched afterwards: a
  // store may wait in its question while other windows come and go.
  std::vector<std::pair<HWND, TString>> titled;
  const THandleList candidates =
      mode == TScanMode::Periodic ? EnumerateMinimizedCandidateWindows() : EnumerateCandidateWindows();
  for (HWND window : candidates) {
    if (window == mainWindow) continue;
    if (!StateAllowsAutoIconize(IsIconic(window) != FALSE, released(window), mode)) continue;
    TString title;
    // A title that cannot be read is "unknown" and still matched, unless the
    // window has gone since it was listed.
    if (SafeGetWindowText(window, title) < 0 && !IsWindow(window)) continue;
    if (!title.IsEmpty()) titled.emplace_back(window, title);
  }
  const TTitleMatcher matcher(rules.patterns, rules.distinguishCase, rules.distinguishWidth);
  for (const auto& [window, title] : titled) {
    if (!matcher.Matches(title) || !IsWindow(window)) continue;
    // The state is asked again: an earlier store's question may have let
    // the user show or minimize this window meanwhile.
    TScannedWindow scanned;
    scanned.title = title;
    scanned.minimized = IsIconic(window) != FALSE;
    scanned.released = released(window);
    if (ShouldAutoIconize(scanned, matcher, mode)) store.StoreWindow(window);
  }
}
