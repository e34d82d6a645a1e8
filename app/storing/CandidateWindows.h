#pragma once
// The windows the tray menu offers for storing, front to back: never one of
// the program's own, the taskbar or the tray. Callers leave out handles that
// are no windows any more.
#include "framework/window/core/WindowUtils.h"

THandleList EnumerateCandidateWindows();

// The same list cut to its minimized windows, for a pass that can store
// nothing else. Each window is first asked only whether it is minimized; the
// other facts are asked of those and of their owners, which decide whether an
// owned window is listed. Far fewer questions, the same windows in the same order.
THandleList EnumerateMinimizedCandidateWindows();
