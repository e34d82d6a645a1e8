#pragma once
// The icon the registry names for a file type or class (HKEY_CLASSES_ROOT,
// "DefaultIcon"), read without creating any key.
#include <windows.h>

#include "framework/icons/pure/IconLocation.h"
#include "framework/text/TString.h"

// The "DefaultIcon" text of the class registered for the path's extension
// (or of the ".ext" key itself when no class is named); empty when none.
TString DefaultIconOf(const TString& path);
// The "DefaultIcon" text of a class such as "hlpfile"; empty when none.
TString ClassDefaultIcon(const TString& className);
// ParseIconLocation with the environment references of the path expanded.
TIconLocation ReadIconLocation(const TString& text);
// `text` with %NAME% references replaced; unknown names stay as written.
TString ExpandEnvironmentReferences(const TString& text);
