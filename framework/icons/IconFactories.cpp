#include <windows.h>

#include "framework/icons/IconFactories.h"

#include <memory>

#include "framework/icons/DefaultIcon.h"
#include "framework/icons/IconCaches.h"
#include "framework/icons/IconFile.h"
#include "framework/icons/ModuleIcon.h"
#include "framework/icons/ResourceIcon.h"
#include "framework/icons/StockIcon.h"
#include "framework/path/pure/PathText.h"
#include "framework/text/LetterCase.h"

namespace {

template <class Key>
TIconSource* Remember(std::vector<TIconCaches::Entry<Key>>& list, const Key& key,
                      std::unique_ptr<TIconSource> source) {
  TIconSource* kept = KeepIconSource(std::move(source));
  list.push_back({key, kept});
  return kept;
}

}  // namespace

TIconSource* StockIcon(int id) {
  TIconCaches& caches = IconCaches();
  if (TIconSource* found = FindCached(caches.stock, id)) return found;
  return Remember(caches.stock, id, std::make_unique<TStockIcon>(id));
}

TIconSource* OwnResourceIcon(const TResourceName& name) {
  TIconCaches& caches = IconCaches();
  if (TIconSource* found = FindCached(caches.resources, name)) return found;
  return Remember(caches.resources, name,
                  std::make_unique<TResourceIcon>(GetModuleHandleA(nullptr), name));
}

TIconSource* OwnResourceIcon(const char* name) { return OwnResourceIcon(TResourceName(TString(name))); }

TIconSource* IconFile(const TString& path) {
  TIconCaches& caches = IconCaches();
  if (TIconSource* found = FindCached(caches.iconFiles, path)) return found;
  return Remember(caches.iconFiles, path, std::make_unique<TIconFile>(path));
}

TIconSource* ModuleIcon(const TString& path, int index) {
  if (path.IsEmpty()) return StockIcon(kWinLogoStockIcon);
  if (ToLowerLetters(ExtensionOf(path)) == TString("ico")) return IconFile(path);
  TModuleEntry* module = FindModuleEntry(path);
  if (module == nullptr) return StockIcon(kWinLogoStockIcon);
  TIconCaches& caches = IconCaches();
  const TIconCaches::ModuleKey key{module, index};
  if (TIconSource* found = FindCached(caches.modules, key)) return found;
  return Remember(caches.modules, key, std::make_unique<TModuleIcon>(*module, index));
}

TIconSource* ClassIcon(const TString& className) {
  const TIconLocation location = ReadIconLocation(ClassDefaultIcon(className));
  return ModuleIcon(location.path, location.index);
}
