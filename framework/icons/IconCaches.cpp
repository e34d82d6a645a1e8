#include <windows.h>

#include "framework/icons/IconCaches.h"

#include <utility>

#include "framework/base/SharedResources.h"
#include "framework/icons/IconFactories.h"

namespace {

std::unique_ptr<TIconCaches>& CachesSlot() {
  static std::unique_ptr<TIconCaches> caches;
  return caches;
}

}  // namespace

TIconCaches& IconCaches() {
  std::unique_ptr<TIconCaches>& caches = CachesSlot();
  if (!caches) {
    caches = std::make_unique<TIconCaches>();
    RegisterSharedRelease(ReleaseIconSources);
  }
  return *caches;
}

TIconSource* KeepIconSource(std::unique_ptr<TIconSource> source) {
  TIconCaches& caches = IconCaches();
  caches.owned.push_back(std::move(source));
  return caches.owned.back().get();
}

void ReleaseIconSources() {
  // Taken out first, so that nothing a destructor does can reach a half-
  // emptied cache.
  std::unique_ptr<TIconCaches> caches = std::move(CachesSlot());
  if (caches) {
    // Newest first: a file icon goes before the sources it resolved to.
    while (!caches->owned.empty()) caches->owned.pop_back();
  }
  // The module icons are gone; their tables and modules may follow.
  ReleaseModuleEntries();
}
