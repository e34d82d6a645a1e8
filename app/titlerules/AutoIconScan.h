#pragma once
// One pass of the title rules over the windows that can be stored: each
// match is stored (and may be asked about when it does not answer).
#include <windows.h>

#include "app/storing/WindowStore.h"
#include "app/titlerules/pure/AutoIconRules.h"
#include "framework/text/TTextList.h"
#include "framework/window/core/WindowUtils.h"

struct TAutoIconRules {
  TTextList patterns;
  bool distinguishCase = false;
  bool distinguishWidth = false;
};

void AutoIconizeScan(TWindowStore& store, HWND mainWindow, const TAutoIconRules& rules, TScanMode mode,
                     const THandleList& releasedWindows);
