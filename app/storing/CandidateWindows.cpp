#include <windows.h>

#include "app/storing/CandidateWindows.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/storing/pure/CandidateFilter.h"
#include "framework/system/WindowCloaking.h"

namespace {

uintptr_t Number(HWND window) { return reinterpret_cast<uintptr_t>(window); }

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
  reinterpret_cast<THandleList*>(list)->push_back(window);
  return TRUE;
}

TTopLevelFacts FactsOf(HWND window, HWND desktop) {
  TTopLevelFacts facts;
  facts.window = Number(window);
  // A window that is gone is not visible either.
  facts.visible = IsWindowVisible(window) != FALSE;
  // The other facts matter only for the windows that are kept.
  if (facts.visible) {
    facts.toolWindow = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    const HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
    facts.owner = owner == desktop ? 0 : Number(owner);
    facts.ours = GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
    char name[256] = {};
    if (GetClassNameA(window, name, sizeof name) > 0) facts.className = name;
    facts.cloaked = !facts.toolWindow && IsWindowCloaked(window);
  }
  return facts;
}

// One listing of the top-level windows, front to back (the order
// FindWindowExA walks them in), instead of one question per window.
THandleList TopLevelWindows() {
  THandleList all;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&all));
  return all;
}

// The rule's facts already hold what the program never stores (its own
// windows and the shell's), and EnumWindows lists no child windows.
THandleList AsHandles(const std::vector<uintptr_t>& numbers) {
  THandleList result;
  for (uintptr_t number : numbers) result.push_back(reinterpret_cast<HWND>(number));
  return result;
}

}  // namespace

THandleList EnumerateCandidateWindows() {
  const HWND desktop = GetDesktopWindow();
  std::vector<TTopLevelFacts> windows;
  for (HWND window : TopLevelWindows()) windows.push_back(FactsOf(window, desktop));
  return AsHandles(SelectCandidates(windows));
}

THandleList EnumerateMinimizedCandidateWindows() {
  const HWND desktop = GetDesktopWindow();
  const THandleList all = TopLevelWindows();
  std::unordered_map<uintptr_t, size_t> position;
  for (size_t i = 0; i < all.size(); ++i) position[Number(all[i])] = i;
  std::vector<std::optional<TTopLevelFacts>> facts(all.size());
  std::unordered_set<uintptr_t> minimized;
  for (size_t i = 0; i < all.size(); ++i) {
    if (!IsIconic(all[i])) continue;
    minimized.insert(Number(all[i]));
    facts[i] = FactsOf(all[i], desktop);
  }
  // An owner's facts decide whether its owned window is listed.
  for (size_t i = 0; i < all.size(); ++i) {
    if (!facts[i] || minimized.count(Number(all[i])) == 0 || facts[i]->owner == 0) continue;
    const auto owner = position.find(facts[i]->owner);
    if (owner != position.end() && !facts[owner->second]) facts[owner->second] = FactsOf(all[owner->second], desktop);
  }
  std::vector<TTopLevelFacts> known;
  for (const auto& f : facts) {
    if (f) known.push_back(*f);
  }
  std::vector<uintptr_t> selected;
  for (uintptr_t number : SelectCandidates(known)) {
    if (minimized.count(number) != 0) selected.push_back(number);
  }
  return AsHandles(selected);
}
