#include "framework/window/dialogs/pure/RecentNames.h"

#include <algorithm>
#include <cstdio>

std::string RecentNameStamp(const TStampTime& time, std::uint32_t picker) {
  char name[64];
  std::snprintf(name, sizeof name, "%04d%02d%02d%02d%02d%02d%03d%08X", time.year, time.month, time.day, time.hour,
                time.minute, time.second, time.milliseconds, static_cast<unsigned>(picker));
  return name;
}

std::vector<TString> CutToNewest(std::vector<TString>& names, size_t limit) {
  std::sort(names.begin(), names.end(), [](const TString& a, const TString& b) { return b < a; });
  std::vector<TString> older;
  if (names.size() > limit) {
    older.assign(names.begin() + static_cast<std::ptrdiff_t>(limit), names.end());
    names.resize(limit);
  }
  return older;
}

std::vector<TRecentRow> MergeNewestFirst(const std::vector<std::vector<TString>>& namesPerKey, size_t limit) {
  std::vector<TRecentRow> rows;
  for (size_t key = 0; key < namesPerKey.size(); ++key) {
    for (const TString& name : namesPerKey[key]) rows.push_back(TRecentRow{key, name});
  }
  // Stable: equal names (only possible across keys) keep the keys' order.
  std::stable_sort(rows.begin(), rows.end(), [](const TRecentRow& a, const TRecentRow& b) { return b.name < a.name; });
  if (rows.size() > limit) rows.resize(limit);
  return rows;
}

TRecentFill FillRecentHistory(std::vector<TString> history, const std::vector<TRecentValue>& values,
                              const std::function<bool(const TString&)>& exists) {
  TRecentFill fill;
  fill.history = std::move(history);
  for (const TRecentValue& value : values) {
    if (std::find(fill.history.begin(), fill.history.end(), value.text) != fill.history.end()) continue;
    if (exists(value.text)) {
      fill.history.push_back(value.text);
    } else {
      fill.stale.push_back(value.row);
    }
  }
  return fill;
}
