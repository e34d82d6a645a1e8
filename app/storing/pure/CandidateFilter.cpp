#include "app/storing/pure/CandidateFilter.h"

#include <unordered_set>

std::vector<uintptr_t> SelectCandidates(const std::vector<TTopLevelFacts>& windows) {
  std::vector<const TTopLevelFacts*> kept;
  std::unordered_set<uintptr_t> keptHandles;
  for (const TTopLevelFacts& facts : windows) {
    if (!facts.visible || facts.toolWindow) continue;
    kept.push_back(&facts);
    keptHandles.insert(facts.window);
  }
  std::vector<uintptr_t> result;
  for (const TTopLevelFacts* facts : kept) {
    if (facts->owner == 0 || keptHandles.count(facts->owner) == 0) result.push_back(facts->window);
  }
  return result;
}
