#include "app/storing/pure/CandidateFilter.h"

#include <gtest/gtest.h>

#include <vector>

TEST(CandidateFilter, KeepsVisibleNonToolWindowsAndOwnedOnesOnlyWithoutAListedOwner) {
  struct Case {
    const char* reason;
    std::vector<TTopLevelFacts> windows;  // Z-order from the top
    std::vector<uintptr_t> expected;
  } cases[] = {
      {"nothing to list", {}, {}},
      {"hidden and tool windows are left out, the order is kept",
       {{1, true, false, 0}, {2, false, false, 0}, {3, true, true, 0}, {4, true, false, 0}},
       {1, 4}},
      {"a dialog above its visible owner goes with it", {{10, true, false, 11}, {11, true, false, 0}}, {11}},
      {"a dialog of a hidden owner stands for it", {{10, true, false, 11}, {11, false, false, 0}}, {10}},
      {"a dialog of a tool window is listed, the tool window is not", {{10, true, false, 12}, {12, true, true, 0}}, {10}},
      {"a dialog of a window that is no top-level window is listed", {{10, true, false, 99}}, {10}},
      {"an owned window below its owner in Z-order is still left out", {{11, true, false, 0}, {10, true, false, 11}}, {11}},
      {"a chain: the middle window's owner is listed, so only the top owner stays",
       {{1, true, false, 2}, {2, true, false, 3}, {3, true, false, 0}},
       {3}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, SelectCandidates(c.windows)) << c.reason;
}
