#pragma once
// An icon resource of a module that is already loaded (normally the
// program's own instance), by name or ID.
#include <windows.h>

#include "framework/icons/CachedIconSource.h"
#include "framework/icons/pure/ResourceName.h"

class TResourceIcon : public TCachedIconSource {
 public:
  TResourceIcon(HINSTANCE instance, const TResourceName& name) : instance_(instance), name_(name) {}
  const TResourceName& Name() const { return name_; }
  TIconHandle CreateIcon(int width, int height, TIconSource* fallback = nullptr) override;

 protected:
  TIconHandle MakeIcon(int kind) override;

 private:
  TIconHandle Load(int width, int height, UINT flags) const;

  HINSTANCE instance_;
  TResourceName name_;
};
