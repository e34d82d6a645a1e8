#include <windows.h>

#include "framework/icons/ModuleIcon.h"

#include "framework/icons/IconFactories.h"
#include "framework/icons/ModuleIconResource.h"
#include "framework/icons/StockIcon.h"

TIconHandle TModuleIcon::Make(size_t position, int width, int height, UINT flags) const {
  TIconTable& table = module_.Table();
  if (position < table.Count()) {
    TIconHandle icon =
        LoadModuleIconResource(module_.Handle(), table.Names()[position], width, height, flags);
    if (icon) return icon;
  }
  // What Explorer shows for a program without icons.
  if (position == 0 && module_.IsProgram()) {
    return LoadStockIconSized(kApplicationStockIcon, width, height, flags);
  }
  return TIconHandle();
}

HICON TModuleIcon::GetIcon(int kind, TIconSource* fallback) {
  if (!IsIconKind(kind)) return FallbackIcon(kind, fallback);
  TIconTable& table = module_.Table();
  const size_t position = table.PositionOf(index_);
  if (HICON cached = table.Cached(position, kind)) return cached;
  const int size = IconKindSize(kind);
  TIconHandle icon = Make(position, size, size, IconKindFlags(kind));
  // A failure is not cached: the fallback's icon belongs to the fallback.
  // Without one the system's default window icon stands in, as in
  // CreateIcon: a menu item or tray icon is never left without a picture.
  if (!icon) return FallbackIcon(kind, fallback != nullptr ? fallback : StockIcon(kWinLogoStockIcon));
  return table.Keep(position, kind, std::move(icon));
}

TIconHandle TModuleIcon::CreateIcon(int width, int height, TIconSource* fallback) {
  const size_t position = module_.Table().PositionOf(index_);
  TIconHandle icon = Make(position, width, height, 0);
  if (icon) return icon;
  if (fallback != nullptr) return fallback->CreateIcon(width, height, nullptr);
  return LoadStockIconSized(kWinLogoStockIcon, width, height, 0);
}
