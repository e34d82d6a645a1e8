#include <windows.h>

#include "app/CandidateWindows.h"

#include <vector>

#include "app/NeverStored.h"
#include "app/pure/CandidateFilter.h"

namespace {

uintptr_t Number(HWND window) { return reinterpret_cast<uintptr_t>(window); }

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<THandleList*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

THandleList EnumerateCandidateWindows() {
  // One listing of the top-level windows, front to back (the order
  // FindWindowExA walks them in), instead of one question per window.
  THandleList all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  const HWND desktop = GetDesktopWindow();
  std::vector<TTopLevelFacts> windows;
  windows.reserve(all.size());
  for (HWND window : all) {
    TTopLevelFacts facts;
    facts.window = Number(window);
    // A window that is gone is not visible either.
    facts.visible = IsWindowVisible(window) != FALSE;
    // Style and owner matter only for the windows that are kept.
    if (facts.visible) {
      facts.toolWindow = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
      const HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
      facts.owner = owner == desktop ? 0 : Number(owner);
    }
    windows.push_back(facts);
  }
  THandleList result;
  for (uintptr_t number : SelectCandidates(windows)) {
    const HWND window = reinterpret_cast<HWND>(number);
    if (!IsNeverStored(window)) result.push_back(window);
  }
  return result;
}
