// Dialog filter blocks of any bytes, and any path against the extensions they
// give: never a crash or a read past the block, and a filter index that names
// one of the block's pairs (0 only for a block without one).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "framework/path/pure/FilterExtensions.h"
#include "framework/path/pure/FilterIndex.h"
#include "framework/path/pure/FinalBackslash.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const size_t half = size / 2;
  const TTextList extensions = FilterExtensions(std::string_view(bytes, half));
  const TString path(bytes + half, size - half);
  MatchesFilterExtensions(path, extensions);
  MatchesFilterExtensions(path, FilterExtensions(std::string_view(bytes, size)));
  WithFinalBackslash(path);

  // Every pair takes at least four bytes (two texts of one byte and their
  // NULs, the last pair's final NUL optional); a closing description without
  // its pattern counts as one more. Only a block that opens with an empty
  // description has no pair to name.
  const std::string_view block(bytes, half);
  const int index = FilterIndex(block, std::string_view(bytes + half, size - half));
  const bool noPair = block.empty() || block[0] == '\0';
  if (index < 0 || static_cast<size_t>(index) > (half + 3) / 4 || (index == 0) != noPair) std::abort();
  return 0;
}
