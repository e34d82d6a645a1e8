#pragma once
// The icon look-up's questions answered by the system itself.
#include <windows.h>

#include "framework/icons/pure/IconProbe.h"

class TSystemIconProbe : public TIconProbe {
 public:
  unsigned DriveType(const TString& path) override;
  bool ShellKnowsType(const TString& path) override;
  bool ShellKnowsFile(const TString& path) override;
  bool ShellKnowsFolder(const TString& path) override;
  bool Exists(const TString& path) override;
  // Maps the module into the module cache, where the icon look-up finds it.
  bool CanMapModule(const TString& path) override;
};

// The one the factories use.
TIconProbe& SystemIconProbe();
