// Dialog filter blocks of any bytes, and any path against the extensions they
// give: never a crash or a read past the block.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "framework/path/pure/FilterExtensions.h"
#include "framework/path/pure/FinalBackslash.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const size_t half = size / 2;
  const TTextList extensions = FilterExtensions(std::string_view(bytes, half));
  const TString path(bytes + half, size - half);
  MatchesFilterExtensions(path, extensions);
  MatchesFilterExtensions(path, FilterExtensions(std::string_view(bytes, size)));
  WithFinalBackslash(path);
  return 0;
}
