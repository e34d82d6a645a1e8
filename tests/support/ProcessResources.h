#pragma once
// What another process holds, counted from outside, so that a long run can
// show its GDI objects, windows and kernel handles stay flat. The system's
// own counters are used where they answer; Wine 8 answers GetGuiResources
// and GetProcessHandleCount with 0, so there the GDI objects are read from
// the process's own GDI handle table (its PEB points to it) and the kernel
// handles from the system's handle list. USER objects other than windows
// (menus, icons) cannot be counted from outside under Wine; an icon holds
// two GDI bitmaps there, so a lost icon still shows among the GDI objects.
#include <windows.h>

#include <string>

struct ProcessResources {
  long gdiObjects = -1;     // without stock objects; -1 when it could not be counted
  long userObjects = -1;    // GetGuiResources; -1 where it answers 0 (Wine)
  long windows = -1;        // top-level, owned, child and message-only windows
  long kernelHandles = -1;
};

ProcessResources CountProcessResources(DWORD processId);
// "gdi=N user=N windows=N handles=N" (user as "-" where it cannot be counted).
std::string DescribeResources(const ProcessResources& resources);
