#include "framework/text/TStringArray.h"

namespace {
const TString kEmpty;
}  // namespace

const TString& TStringArray::Item(size_t index) const {
  return index < items_.size() ? items_[index] : kEmpty;
}
