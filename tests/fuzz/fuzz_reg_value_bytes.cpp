// Registry text values as another program may have left them: arbitrary
// bytes with or without terminators. Never an over-read, and a list that is
// joined again splits back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/registry/pure/RegValueBytes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const char* bytes = reinterpret_cast<const char*>(data);
  const TString text = TextFromValueBytes(bytes, size);
  if (text.Length() > size) std::abort();

  const TStringArray items = SplitMultiString(bytes, size);
  std::string joined;
  if (JoinMultiString(items, size + 2, joined)) {
    const TStringArray again = SplitMultiString(joined.data(), joined.size());
    if (again.Count() != items.Count()) std::abort();
    for (size_t i = 0; i < items.Count(); ++i) {
      if (again.Item(i) != items.Item(i)) std::abort();
    }
  } else {
    // Split texts never grow: with one byte for a missing last terminator
    // and one for the final one, they always fit again.
    std::abort();
  }
  return 0;
}
