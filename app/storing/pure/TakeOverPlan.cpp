#include "app/storing/pure/TakeOverPlan.h"

#include <algorithm>
#include <map>
#include <string>

#include "app/storing/pure/TrayText.h"

namespace {

using TValues = std::map<std::string, uint32_t>;

bool Holds(const TValues& values, const std::string& name) { return values.find(name) != values.end(); }

// Whether `handle` has a value other than `name`.
bool HasOtherValue(const TValues& values, uint32_t handle, const std::string& name) {
  return std::any_of(values.begin(), values.end(), [&](const auto& v) { return v.second == handle && v.first != name; });
}

}  // namespace

std::vector<TValueStep> PlanTakeOver(const std::vector<TKeptValue>& values, int firstId) {
  std::vector<TValueStep> steps;
  TValues current;
  for (const TKeptValue& value : values) current[value.name.Bytes()] = value.handle;
  auto write = [&](const std::string& name, uint32_t handle) {
    steps.push_back({TValueStep::kWrite, TString(name.c_str()), handle});
    current[name] = handle;
  };
  auto erase = [&](const std::string& name) {
    steps.push_back({TValueStep::kDelete, TString(name.c_str()), 0});
    current.erase(name);
  };

  std::vector<uint32_t> takenOver;
  for (const TKeptValue& value : values) {
    if (value.takenOver) takenOver.push_back(value.handle);
  }
  // Spare names lie above every target, so a value moved there is never in
  // the way again.
  int spare = firstId + static_cast<int>(takenOver.size() + values.size());
  std::vector<std::string> targets;
  for (size_t i = 0; i < takenOver.size(); ++i) {
    const std::string target = TrayIconValueName(firstId + static_cast<int>(i)).Bytes();
    targets.push_back(target);
    const uint32_t handle = takenOver[i];
    auto holder = current.find(target);
    if (holder == current.end() || holder->second != handle) {
      if (holder != current.end()) {
        const uint32_t other = holder->second;
        const bool otherWaits = std::find(takenOver.begin() + static_cast<std::ptrdiff_t>(i) + 1, takenOver.end(),
                                          other) != takenOver.end();
        if (otherWaits && !HasOtherValue(current, other, target)) {
          std::string moved;
          do {
            moved = TrayIconValueName(spare++).Bytes();
          } while (Holds(current, moved));
          write(moved, other);
        }
      }
      write(target, handle);
    }
    // Its old names go once the new one is there.
    std::vector<std::string> old;
    for (const auto& [name, value] : current) {
      if (value == handle && name != target) old.push_back(name);
    }
    for (const std::string& name : old) erase(name);
  }
  // What is left names no window taken over.
  std::vector<std::string> rest;
  for (const auto& entry : current) {
    if (std::find(targets.begin(), targets.end(), entry.first) == targets.end()) rest.push_back(entry.first);
  }
  for (const std::string& name : rest) erase(name);
  return steps;
}
