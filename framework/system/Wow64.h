#pragma once
// A 32-bit program on 64-bit Windows (WOW64) sees the system folder
// redirected to the 32-bit one: a system tool it starts would be the tool's
// 32-bit form, and a 64-bit program's file named by its path would be read
// from the wrong folder. The system's functions for this are found at run
// time; where the program is not under WOW64 (or they are missing) nothing
// changes.
#include <windows.h>

bool RunningUnderWow64();

// While it lives, file names used on this thread name the real system
// folder. Only around single calls: the system loads its libraries through
// the same names, and 32-bit ones are not found there.
class TNativeFileNames {
 public:
  TNativeFileNames();
  ~TNativeFileNames();
  TNativeFileNames(const TNativeFileNames&) = delete;
  TNativeFileNames& operator=(const TNativeFileNames&) = delete;

 private:
  void* previous_ = nullptr;
  bool off_ = false;
};
