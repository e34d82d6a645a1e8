#pragma once
// The icon of an arbitrary path, worked out on first use (FileIconPlan.h)
// and then taken from the source found. Made by the FileIcon factory, which
// hands out the found source directly once it is known.
#include <windows.h>

#include "framework/icons/IconSource.h"
#include "framework/icons/pure/IconProbe.h"
#include "framework/text/TString.h"

class TFileIcon : public TIconSource {
 public:
  // `standardFallback` ends the chain in the stock IDI_WINLOGO; otherwise in
  // `fallback`, which may be null (no icon).
  TFileIcon(const TString& path, TIconSource* fallback, bool standardFallback,
            TIconProbe& probe)
      : path_(path), fallback_(fallback), standardFallback_(standardFallback), probe_(probe) {}

  HICON GetIcon(int kind, TIconSource* fallback = nullptr) override;
  TIconHandle CreateIcon(int width, int height, TIconSource* fallback = nullptr) override;

  const TString& Path() const { return path_; }
  bool IsResolved() const { return resolved_; }
  // The source the path's icon comes from (null only when the chain ends in
  // no fallback); resolves on the first call.
  TIconSource* Target();

 private:
  TString path_;
  TIconSource* fallback_;
  bool standardFallback_;
  TIconProbe& probe_;
  bool resolved_ = false;
  TIconSource* target_ = nullptr;
};
