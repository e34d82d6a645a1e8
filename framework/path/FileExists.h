#pragma once
// Whether a file (or folder) is there, asked of the file system by name.
#include "framework/text/TString.h"

// A search for the path's long form (the path as given when the system
// cannot expand it) finds something. Wildcards match as in any search.
bool FileExists(const TString& path);
