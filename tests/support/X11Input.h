#pragma once
// Real X input for tests that must go through the X server as a user's does
// (a click on Wine's own tray, keys to wherever the X focus is): xdotool, run
// from the Windows test program. Wine starts a Unix program from
// CreateProcess but hands back no process handle, so it runs in /bin/sh with
// its output and status written to files in /tmp, which are polled (bounded).
#include <windows.h>

#include <string>
#include <vector>

struct XdotoolRun {
  bool finished = false;  // false: not started, or no status within the time-out
  int exitCode = -1;
  std::string output;     // standard output and error, as written
};

// Runs xdotool with `arguments` (each passed as one argument) and waits up to
// `timeoutMs` for it, dispatching the calling thread's messages meanwhile.
XdotoolRun RunXdotool(const std::vector<std::string>& arguments, DWORD timeoutMs = 5000);
// The same, true when it ended with status 0.
bool Xdotool(const std::vector<std::string>& arguments, DWORD timeoutMs = 5000);

// Whether the X focus is on an X window of `program` ("stowpane.exe": Wine
// names each X window's class after its program's file), where typed keys go.
bool XFocusIsOnProgram(const std::string& program);
// Waits up to `timeoutMs` for that: under Wine a program's popup menu gets the
// X focus a moment after it shows, so keys are typed once it has.
bool WaitForXFocusOnProgram(const std::string& program, DWORD timeoutMs);
