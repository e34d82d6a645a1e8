#pragma once
// The shell's icon for an existing file or folder: what Explorer shows for it,
// overlays and per-file icons included. Asking reads the file, so callers use
// it only for paths on fixed drives (see FileIcon).
#include <windows.h>

#include "framework/icons/CachedIconSource.h"
#include "framework/text/TString.h"

class TShellFileIcon : public TCachedIconSource {
 public:
  explicit TShellFileIcon(const TString& path) : path_(path) {}
  const TString& Path() const { return path_; }

 protected:
  TIconHandle MakeIcon(int kind) override;

 private:
  TString path_;
};
