#pragma once
// The shared store of names the pickers remember: one key per kind of name
// (an extension, or folders), one text per value, each value named by the
// time it was saved so that the names sort by age, greatest newest. A key
// keeps a bounded number of values; loading merges the keys of every kind a
// picker accepts, newest first.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/text/TString.h"

// Values kept per key, and entries a load takes from the store.
constexpr size_t kRecentNameLimit = 20;

// Local time of a save, as the system clock gives it.
struct TStampTime {
  int year;
  int month;
  int day;
  int hour;  // 0-23
  int minute;
  int second;
  int milliseconds;
};

// The value name of a save: date "%04d%02d%02d", time "%02d%02d%02d%03d",
// then the saving picker's identifier "%08.8X": 25 characters that sort by
// age; two pickers saving in the same millisecond still differ.
std::string RecentNameStamp(const TStampTime& time, std::uint32_t picker);

// Sorts `names` newest first (byte-wise descending), cuts them to `limit`
// and returns the older ones that were cut, in that order.
std::vector<TString> CutToNewest(std::vector<TString>& names, size_t limit);

// A value name of key number `key` of a load.
struct TRecentRow {
  size_t key;
  TString name;
};

// The names of every key in one table, newest first whatever key they come
// from; at most `limit` rows.
std::vector<TRecentRow> MergeNewestFirst(const std::vector<std::vector<TString>>& namesPerKey, size_t limit);

// A row with the text its value holds (empty when absent).
struct TRecentValue {
  TRecentRow row;
  TString text;
};

struct TRecentFill {
  std::vector<TString> history;
  std::vector<TRecentRow> stale;  // values naming nothing that exists
};

// The history a load shows: `history` (names found elsewhere) followed, in
// order, by each value's text that it does not hold yet (exact compare) and
// that `exists`; the values whose text does not exist are stale.
TRecentFill FillRecentHistory(std::vector<TString> history, const std::vector<TRecentValue>& values,
                              const std::function<bool(const TString&)>& exists);
