#include "framework/icons/pure/IconTablePosition.h"

size_t IconTablePosition(const std::vector<TResourceName>& names, int index) {
  if (index >= 0) {
    const size_t position = static_cast<size_t>(index);
    return position < names.size() ? position : 0;
  }
  // -n for an ID n; resource IDs are 16-bit, and negating the most negative
  // int would overflow, so larger magnitudes name nothing.
  if (index < -0xFFFF) return 0;
  const TResourceName wanted(static_cast<unsigned>(-index));
  for (size_t position = 0; position < names.size(); ++position) {
    if (names[position] == wanted) return position;
  }
  return 0;
}
