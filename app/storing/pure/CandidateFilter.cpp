#include "app/storing/pure/CandidateFilter.h"

#include <cstring>
#include <unordered_set>

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

// Class names are compared as the system does, without regard to case.
bool SameClassName(const std::string& name, const char* other) {
  if (name.size() != std::strlen(other)) return false;
  for (size_t i = 0; i < name.size(); ++i) {
    if (AsciiLower(name[i]) != AsciiLower(other[i])) return false;
  }
  return true;
}

}  // namespace

bool IsShellWindowClass(const std::string& className) {
  // "Progman" is the desktop ("Program Manager"), "WorkerW" the layer that
  // holds its icons or its wallpaper; a top-level core window is a frame of
  // the shell (text input, start, search): a Store app's own content sits
  // inside an "ApplicationFrameWindow", which is listed unless cloaked.
  static const char* const kShellClasses[] = {"Progman",       "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd",
                                              "__winex11_standalone_tray", "Windows.UI.Core.CoreWindow"};
  for (const char* shellClass : kShellClasses) {
    if (SameClassName(className, shellClass)) return true;
  }
  return false;
}

std::vector<uintptr_t> SelectCandidates(const std::vector<TTopLevelFacts>& windows) {
  std::vector<const TTopLevelFacts*> kept;
  std::unordered_set<uintptr_t> keptHandles;
  for (const TTopLevelFacts& facts : windows) {
    if (!facts.visible || facts.toolWindow || facts.cloaked || facts.ours) continue;
    if (IsShellWindowClass(facts.className)) continue;
    kept.push_back(&facts);
    keptHandles.insert(facts.window);
  }
  std::vector<uintptr_t> result;
  for (const TTopLevelFacts* facts : kept) {
    if (facts->owner == 0 || keptHandles.count(facts->owner) == 0) result.push_back(facts->window);
  }
  return result;
}
