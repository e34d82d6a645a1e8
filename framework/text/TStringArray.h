#pragma once
// A fixed-size array of owned texts (multi-string registry values).
#include <cstddef>
#include <vector>

#include "framework/text/TString.h"

class TStringArray {
 public:
  TStringArray() = default;
  explicit TStringArray(size_t count) : items_(count) {}
  size_t Count() const { return items_.size(); }
  void Resize(size_t count) { items_.resize(count); }
  // Out-of-range reads yield the empty text; out-of-range writes are ignored.
  const TString& Item(size_t index) const;
  void Set(size_t index, const TString& text) {
    if (index < items_.size()) items_[index] = text;
  }
  void Append(const TString& text) { items_.push_back(text); }

 private:
  std::vector<TString> items_;
};
