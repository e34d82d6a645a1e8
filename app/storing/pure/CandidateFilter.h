#pragma once
// Which top-level windows the user may store: the visible ones that are not
// tool windows, and of owned windows only those whose owner is not listed
// itself (a dialog goes with its visible owner; a dialog of a hidden window
// stands for it). Handles are plain numbers here.
#include <cstdint>
#include <vector>

struct TTopLevelFacts {
  uintptr_t window = 0;
  bool visible = false;
  bool toolWindow = false;
  uintptr_t owner = 0;  // 0 when the window has none or is owned by the desktop
};

// `windows` in Z-order from the top; the result keeps that order.
std::vector<uintptr_t> SelectCandidates(const std::vector<TTopLevelFacts>& windows);
