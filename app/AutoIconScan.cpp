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
    if (window == mainWindow || !IsWindow(window)) continue;
    TString title;
    SafeGetWindowText(window, title);
    if (!title.IsEmpty()) titled.emplace_back(window, title);
  }
  const unsigned flags = AutoIconMatchFlags(rules.distinguishCase, rules.distinguishWidth);
  for (const auto& [window, title] : titled) {
    if (!IsWindow(window)) continue;
    TScannedWindow scanned;
    scanned.title = title;
    scanned.minimized = IsIconic(window) != FALSE;
    scanned.released = std::find(releasedWindows.begin(), releasedWindows.end(), window) != releasedWindows.end();
    if (ShouldAutoIconize(scanned, rules.patterns, flags, mode)) store.StoreWindow(window);
  }
}
