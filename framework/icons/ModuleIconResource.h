#pragma once
// Makes one icon from an icon group of a loaded or mapped module: the system
// picks the group's best image for the size, which is then built from its
// bits. Works on modules mapped as data files, which LoadImage does not.
#include <windows.h>

#include "framework/base/Owners.h"
#include "framework/icons/pure/ResourceName.h"

// `width`/`height` 0 with LR_DEFAULTSIZE give the system's icon size, without
// it the image's own size. Empty when the group or its image is missing or
// malformed.
TIconHandle LoadModuleIconResource(HMODULE module, const TResourceName& group, int width,
                                   int height, UINT flags);
