// Text operations over arbitrary bytes: never a crash or an over-read.
#include <cstddef>
#include <cstdint>

#include "framework/text/TStringOps.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TString text(reinterpret_cast<const char*>(data), size);
  const size_t half = size / 2;
  const TString a(reinterpret_cast<const char*>(data), half);
  const TString b(reinterpret_cast<const char*>(data) + half, size - half);
  Trim(text);
  LastChar(text);
  RemoveAll(a, b);
  Left(text, half);
  Right(text, half);
  Repeat(a, static_cast<int>(size % 5) - 1);
  return 0;
}
