#include "app/storing/pure/CandidateFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TTopLevelFacts Facts(uintptr_t window, bool visible, bool toolWindow, uintptr_t owner) {
  TTopLevelFacts facts;
  facts.window = window;
  facts.visible = visible;
  facts.toolWindow = toolWindow;
  facts.owner = owner;
  return facts;
}

// A visible top-level window of another program, of this class.
TTopLevelFacts OfClass(uintptr_t window, const std::string& className, bool cloaked = false) {
  TTopLevelFacts facts = Facts(window, true, false, 0);
  facts.className = className;
  facts.cloaked = cloaked;
  return facts;
}

}  // namespace

TEST(CandidateFilter, KeepsVisibleNonToolWindowsAndOwnedOnesOnlyWithoutAListedOwner) {
  struct Case {
    const char* reason;
    std::vector<TTopLevelFacts> windows;  // Z-order from the top
    std::vector<uintptr_t> expected;
  } cases[] = {
      {"nothing to list", {}, {}},
      {"hidden and tool windows are left out, the order is kept",
       {Facts(1, true, false, 0), Facts(2, false, false, 0), Facts(3, true, true, 0), Facts(4, true, false, 0)},
       {1, 4}},
      {"a dialog above its visible owner goes with it", {Facts(10, true, false, 11), Facts(11, true, false, 0)}, {11}},
      {"a dialog of a hidden owner stands for it", {Facts(10, true, false, 11), Facts(11, false, false, 0)}, {10}},
      {"a dialog of a tool window is listed, the tool window is not", {Facts(10, true, false, 12), Facts(12, true, true, 0)}, {10}},
      {"a dialog of a window that is no top-level window is listed", {Facts(10, true, false, 99)}, {10}},
      {"an owned window below its owner in Z-order is still left out", {Facts(11, true, false, 0), Facts(10, true, false, 11)}, {11}},
      {"a chain: the middle window's owner is listed, so only the top owner stays",
       {Facts(1, true, false, 2), Facts(2, true, false, 3), Facts(3, true, false, 0)},
       {3}},
      // What Windows 10 and 11 show nobody although it is visible to the system.
      {"the desktop, its icon layer, the taskbars and the shell's frames, in any case",
       {OfClass(1, "Progman"), OfClass(2, "WorkerW"), OfClass(3, "Shell_TrayWnd"), OfClass(4, "shell_secondarytraywnd"),
        OfClass(5, "Windows.UI.Core.CoreWindow"), OfClass(6, "Notepad"), OfClass(7, "ProgmanX")},
       {6, 7}},
      {"cloaked: an app on another virtual desktop or suspended, not one on this desktop",
       {OfClass(1, "ApplicationFrameWindow", true), OfClass(2, "ApplicationFrameWindow"), OfClass(3, "Notepad", true)},
       {2}},
      {"the program's own windows", {[] { TTopLevelFacts own = OfClass(1, "ShapeClass"); own.ours = true; return own; }(),
                                     OfClass(2, "ShapeClass")},
       {2}},
  };
  for (const auto& c : cases) EXPECT_EQ(c.expected, SelectCandidates(c.windows)) << c.reason;
}
