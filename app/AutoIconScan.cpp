#include <windows.h>

#include "app/AutoIconScan.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "app/CandidateWindows.h"

void AutoIconizeScan(TWindowStore& store, HWND mainWindow, const TAutoIconRules& rules, TScanMode mode,
                     const THandleList& releasedWindows) {
  // The titles are read first, all of them, and matched afterwards: a store
  // may wait in its question while other windows come and go.
  std::vector<std::pair<HWND, TString>> titled;
  for (HWND window : EnumerateCandidateWindows()) {
    if (window == mainWindow) continue;
    TString title;
    // A title that cannot be read is "unknown" and still matched, unless the
    // window has gone since it was listed.
    if (SafeGetWindowText(window, title) < 0 && !IsWindow(window)) continue;
    if (!title.IsEmpty()) titled.emplace_back(window, title);
  }
  const TTitleMatcher matcher(rules.patterns, rules.distinguishCase, rules.distinguishWidth);
  for (const auto& [window, title] : titled) {
    // The title decides first: only a window that matches is asked about its state.
    if (!matcher.Matches(title) || !IsWindow(window)) continue;
    TScannedWindow scanned;
    scanned.title = title;
    scanned.minimized = IsIconic(window) != FALSE;
    scanned.released = std::find(releasedWindows.begin(), releasedWindows.end(), window) != releasedWindows.end();
    if (ShouldAutoIconize(scanned, matcher, mode)) store.StoreWindow(window);
  }
}
