#pragma once
// How the values a crashed copy left under "TrayIcon" become the values of
// the windows taken over, numbered from the first id in the registry's order,
// without a moment at which a window still hidden has no value: a copy killed
// during the take-over must leave the next one every window.
#include <cstdint>
#include <vector>

#include "framework/text/TString.h"

struct TKeptValue {
  TString name;
  uint32_t handle = 0;
  bool takenOver = false;  // false: the value goes (no window, shown, ours, or named twice)
};

struct TValueStep {
  enum Kind { kWrite, kDelete } kind;
  TString name;
  uint32_t handle = 0;  // for kWrite
};

// Steps that leave exactly one value per window taken over, the i-th named by
// the id `firstId + i`, and nothing else. After every step each window taken
// over has a value: one that must move off a name another window needs is
// first written under a spare name.
std::vector<TValueStep> PlanTakeOver(const std::vector<TKeptValue>& values, int firstId);
