#include <windows.h>

#include "framework/icons/FileIcon.h"

#include <memory>

#include "framework/icons/DefaultIcon.h"
#include "framework/icons/IconCaches.h"
#include "framework/icons/IconFactories.h"
#include "framework/icons/SystemIconProbe.h"
#include "framework/icons/pure/FileIconPlan.h"
#include "framework/path/pure/CaseFoldedPath.h"

TIconSource* TFileIcon::Target() {
  if (!resolved_) {
    resolved_ = true;
    target_ = ResolveFileIcon(path_, fallback_, standardFallback_, probe_);
  }
  return target_;
}

HICON TFileIcon::GetIcon(int kind, TIconSource* fallback) {
  TIconSource* target = Target();
  return target != nullptr ? target->GetIcon(kind, fallback) : FallbackIcon(kind, fallback);
}

TIconHandle TFileIcon::CreateIcon(int width, int height, TIconSource* fallback) {
  TIconSource* target = Target();
  if (target != nullptr) return target->CreateIcon(width, height, fallback);
  return fallback != nullptr ? fallback->CreateIcon(width, height, nullptr) : TIconHandle();
}

TIconSource* ResolveFileIcon(const TString& path, TIconSource* fallback, bool standardFallback,
                             TIconProbe& probe) {
  const TFileIconPlan plan = PlanFileIcon(path, ReadIconLocation(DefaultIconOf(path)), probe);
  switch (plan.choice) {
    case TFileIconChoice::ShellFile:
      return ShellFileIcon(plan.path, probe);
    case TFileIconChoice::IconFile:
      return IconFile(plan.path);
    case TFileIconChoice::ModuleIcon:
      return ModuleIcon(plan.path, plan.index);
    case TFileIconChoice::ShellType:
      return ShellTypeIcon(plan.path, probe);
    case TFileIconChoice::StockApplication:
      return StockIcon(kApplicationStockIcon);
    case TFileIconChoice::StockWinLogo:
      return StockIcon(kWinLogoStockIcon);
    case TFileIconChoice::Fallback:
      break;
  }
  return standardFallback ? StockIcon(kWinLogoStockIcon) : fallback;
}

namespace {

TIconSource* CachedFileIcon(const TString& path, TIconSource* fallback, bool standardFallback) {
  TIconCaches& caches = IconCaches();
  const TIconCaches::FileKey key{FoldedPath(path), standardFallback,
                                 standardFallback ? nullptr : fallback};
  TIconSource* found = FindCached(caches.files, key);
  if (found == nullptr) {
    found = KeepIconSource(
        std::make_unique<TFileIcon>(path, key.fallback, standardFallback, SystemIconProbe()));
    caches.files.push_back({key, found});
  }
  // Once resolved, callers get the source itself and skip the indirection.
  auto* fileIcon = static_cast<TFileIcon*>(found);
  if (fileIcon->IsResolved() && fileIcon->Target() != nullptr) return fileIcon->Target();
  return fileIcon;
}

}  // namespace

TIconSource* FileIcon(const TString& path) { return CachedFileIcon(path, nullptr, true); }

TIconSource* FileIcon(const TString& path, TIconSource* fallback) {
  return CachedFileIcon(path, fallback, false);
}
