#include "framework/window/elements/pure/History.h"

#include <algorithm>
#include <cstdio>

void AddToHistory(std::vector<TString>& history, const TString& text, int limit) {
  history.erase(std::remove(history.begin(), history.end(), text), history.end());
  history.insert(history.begin(), text);
  if (limit >= 0 && history.size() > static_cast<size_t>(limit)) {
    history.resize(static_cast<size_t>(limit));
  }
}

std::string HistoryValueName(size_t index) {
  char name[24];
  std::snprintf(name, sizeof name, "%6.6zu", index);
  return name;
}
