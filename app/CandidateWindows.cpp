#include <windows.h>

#include "app/CandidateWindows.h"

#include <vector>

#include "app/pure/CandidateFilter.h"

namespace {

uintptr_t Number(HWND window) { return reinterpret_cast<uintptr_t>(window); }

}  // namespace

THandleList EnumerateCandidateWindows() {
  const HWND desktop = GetDesktopWindow();
  std::vector<TTopLevelFacts> windows;
  for (HWND window = FindWindowExA(nullptr, nullptr, nullptr, nullptr); window != nullptr;
       window = FindWindowExA(nullptr, window, nullptr, nullptr)) {
    TTopLevelFacts facts;
    facts.window = Number(window);
    facts.visible = IsWindow(window) && IsWindowVisible(window);
    facts.toolWindow = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    const HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
    facts.owner = owner == desktop ? 0 : Number(owner);
    windows.push_back(facts);
  }
  THandleList result;
  for (uintptr_t number : SelectCandidates(windows)) result.push_back(reinterpret_cast<HWND>(number));
  return result;
}
