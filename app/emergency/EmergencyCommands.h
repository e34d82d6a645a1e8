#pragma once
// The emergency window's commands that reach outside the program: starting
// the task manager and ending Windows. Both calls that would act on the real
// system can be replaced, so that tests neither start a program nor end the
// session.
#include <windows.h>

class TWindow;

// Starts the task manager; says so when no candidate can be started.
void StartTaskManager(const TWindow* owner);
// Asks how to end Windows and does it; true when Windows is ending (the
// caller then closes the main window with EndShape(-1)).
bool EndWindows(const TWindow* owner);

// The call that ends Windows (ExitWindowsEx by default).
using TExitWindowsCall = BOOL (*)(UINT flags, DWORD reason);
void SetExitWindowsCall(TExitWindowsCall call);  // nullptr restores the real one

// The call that starts a command line, with WinExec's result (above 31:
// started); WinExec by default.
using TStartProgramCall = UINT (*)(const char* commandLine, UINT show);
void SetStartProgramCall(TStartProgramCall call);  // nullptr restores the real one
