#pragma once
// The windows the tray menu offers for storing, front to back. Callers leave
// out the main window and handles that are no windows any more.
#include "framework/window/WindowUtils.h"

THandleList EnumerateCandidateWindows();
