// Registry icon locations of any bytes: the parse never reads past the text,
// never overflows the index, and gives a path no longer than the text. The
// same bytes drive the other text helpers of the icon look-up.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "framework/icons/pure/FileIconPlan.h"
#include "framework/icons/pure/IconGroupDirectory.h"
#include "framework/icons/pure/IconLocation.h"
#include "framework/icons/pure/IconTablePosition.h"
#include "framework/path/pure/CaseFoldedPath.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TString text(reinterpret_cast<const char*>(data), size);
  const TIconLocation location = ParseIconLocation(text);
  if (location.path.Length() > size) std::abort();

  // The parsed path as the pattern for itself and as a prefix of the text.
  const TString replaced = ReplaceFirstPlaceholder(text, location.path);
  if (replaced.Length() > size + location.path.Length()) std::abort();
  PathStartsWithIgnoringCase(text, location.path);
  SamePathIgnoringCase(text, location.path);
  HasWildcard(text);

  // The input's bytes as a module's icon list: IDs from pairs, one text name.
  std::vector<TResourceName> names;
  for (size_t at = 0; at + 1 < size && names.size() < 64; at += 2) {
    names.push_back(TResourceName(static_cast<unsigned>(data[at] | (data[at + 1] << 8))));
  }
  names.push_back(TResourceName(location.path));
  const size_t position = IconTablePosition(names, location.index);
  if (position >= names.size()) std::abort();

  IsCompleteIconGroup(data, size);
  return 0;
}
