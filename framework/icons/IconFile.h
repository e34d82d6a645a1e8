#pragma once
// An icon file (.ico) on disk, read when an icon is first asked for.
#include <windows.h>

#include "framework/icons/CachedIconSource.h"
#include "framework/text/TString.h"

class TIconFile : public TCachedIconSource {
 public:
  explicit TIconFile(const TString& path) : path_(path) {}
  const TString& Path() const { return path_; }
  TIconHandle CreateIcon(int width, int height, TIconSource* fallback = nullptr) override;

 protected:
  TIconHandle MakeIcon(int kind) override;

 private:
  TIconHandle Load(int width, int height, UINT flags) const;

  TString path_;
};
