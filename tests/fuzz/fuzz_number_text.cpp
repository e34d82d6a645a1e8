// Number text, line stepping and zero-terminated arrays over arbitrary bytes:
// never a crash or an over-read, and the results keep their promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/base/pure/ZeroTerminated.h"
#include "framework/text/LineStepping.h"
#include "framework/text/NumberText.h"

namespace {
void Check(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TString text(reinterpret_cast<const char*>(data), size);
  const TString number = NumberText(text);
  // Only a "0" in front of a '.' is ever added.
  Check(number.Length() <= text.Length() + 1);
  GroupedNumber(text);

  // An exact-size copy without terminator: ASan reports any read past it.
  std::vector<char> bytes(data, data + size);
  const size_t limit = size;
  const size_t length = LineLength(limit, bytes.data());
  const size_t withBreak = LineLengthWithBreak(limit, bytes.data());
  Check(length <= withBreak && withBreak <= limit && withBreak <= length + 2);
  const size_t lines = LineCount(limit, bytes.data());
  Check(lines <= limit);

  std::vector<uint32_t> values(size / 4 + 1, 0);
  std::memcpy(values.data(), data, size / 4 * 4);
  const size_t count = ZeroTerminatedCount(values.data());
  const std::vector<uint32_t> copy = ZeroTerminatedPaddedCopy(values.data(), size % 7);
  Check(ZeroTerminatedCount(copy.data()) == count);
  Check(ZeroTerminatedEqual(copy.data(), values.data()));
  return 0;
}
