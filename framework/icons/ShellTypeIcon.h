#pragma once
// The shell's icon for a kind of path, found from the name alone: a pattern
// such as "*.hlp", or a folder ("...\"). The disk is never touched, so it
// serves paths on removable and network drives.
#include <windows.h>

#include "framework/icons/CachedIconSource.h"
#include "framework/text/TString.h"

class TShellTypeIcon : public TCachedIconSource {
 public:
  explicit TShellTypeIcon(const TString& path) : path_(path) {}
  const TString& Path() const { return path_; }

 protected:
  TIconHandle MakeIcon(int kind) override;

 private:
  TString path_;
};
