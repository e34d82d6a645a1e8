#pragma once
// The windows the tray menu offers for storing, front to back: never one of
// the program's own, the taskbar or the tray. Callers leave out handles that
// are no windows any more.
#include "framework/window/WindowUtils.h"

THandleList EnumerateCandidateWindows();
