#include "framework/base/pure/ZeroTerminated.h"

#include <algorithm>

size_t ZeroTerminatedCount(const uint32_t* values) {
  if (values == nullptr) return 0;
  size_t count = 0;
  while (values[count] != 0) ++count;
  return count;
}

std::vector<uint32_t> ZeroTerminatedCopy(const uint32_t* values) {
  return ZeroTerminatedPaddedCopy(values, 0);
}

std::vector<uint32_t> ZeroTerminatedPaddedCopy(const uint32_t* values, size_t minimum) {
  const size_t count = ZeroTerminatedCount(values);
  std::vector<uint32_t> copy(std::max(count, minimum) + 1, 0);
  std::copy(values, values + count, copy.begin());
  return copy;
}

bool ZeroTerminatedEqual(const uint32_t* a, const uint32_t* b) {
  static const uint32_t kEmpty = 0;
  if (a == nullptr) a = &kEmpty;
  if (b == nullptr) b = &kEmpty;
  size_t i = 0;
  while (a[i] == b[i]) {
    if (a[i] == 0) return true;
    ++i;
  }
  return false;
}
