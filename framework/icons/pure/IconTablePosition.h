#pragma once
// Which entry of a module's icon list an index names. Callers (and the
// DefaultIcon texts of the registry) use two conventions: an index of 0 or
// more is a position in the list, a negative index -n names the icon whose
// resource ID is n. Anything that names no entry counts as the first one, so
// a stale index still shows the module's main icon.
#include <cstddef>
#include <vector>

#include "framework/icons/pure/ResourceName.h"

// A position below names.size(), or 0 for an empty list (which the caller
// must then treat as "no icon").
size_t IconTablePosition(const std::vector<TResourceName>& names, int index);
