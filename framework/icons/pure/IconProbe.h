#pragma once
// The questions the icon look-up asks of the system, gathered behind one
// interface so that the order of look-ups can be decided (and tested) apart
// from Win32, and so that a test can see which paths were touched.
#include "framework/text/TString.h"

// Drive types as GetDriveType reports them (and kUncDriveType, PathText.h).
constexpr unsigned kNoSuchDrive = 1;  // DRIVE_NO_ROOT_DIR
constexpr unsigned kFixedDrive = 3;   // DRIVE_FIXED
constexpr unsigned kRamDisk = 6;      // DRIVE_RAMDISK

class TIconProbe {
 public:
  virtual ~TIconProbe() = default;

  // From the name, or the drive's type as the system has it: the medium is
  // not read.
  virtual unsigned DriveType(const TString& path) = 0;
  // From the name alone: the shell has an icon for this kind of path.
  virtual bool ShellKnowsType(const TString& path) = 0;

  // These read the path itself: only for fixed drives and RAM disks.
  virtual bool ShellKnowsFile(const TString& path) = 0;
  virtual bool ShellKnowsFolder(const TString& path) = 0;
  virtual bool Exists(const TString& path) = 0;
  virtual bool CanMapModule(const TString& path) = 0;
};

inline bool IsLocalDriveType(unsigned type) { return type == kFixedDrive || type == kRamDisk; }
