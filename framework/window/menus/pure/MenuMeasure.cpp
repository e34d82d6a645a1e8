#include "framework/window/menus/pure/MenuMeasure.h"

#include <algorithm>

namespace {

// Text sizes come from the system and the fuzz tests alike; anything beyond
// a million pixels is no menu, and capping there keeps every sum below in
// range.
constexpr int kMaxMeasure = 1000000;

int Capped(int value) { return std::clamp(value, 0, kMaxMeasure); }

}  // namespace

int MenuGap(int fullWidthCharWidth) { return Capped(fullWidthCharWidth) / 2; }

int IconCellSize(int labelHeight) {
  return labelHeight >= kLargeCellLabelHeight ? kLargeIconCell : kSmallIconCell;
}

int LimitMenuWidth(int width, int screenWidth) {
  const long long wide = std::max(width, 0);
  if (screenWidth <= 0) return static_cast<int>(wide);
  // Compared doubled, so that an odd screen width's half is not rounded down.
  return wide * 2 >= screenWidth ? screenWidth / 3 : static_cast<int>(wide);
}

bool ShortcutNeedsRoom(unsigned major, unsigned minor, unsigned build, bool ntPlatform) {
  if (ntPlatform) return true;
  if (major != 4) return major < 4;
  if (minor != 10) return minor < 10;
  return build < 1998;
}

bool HonoursInactiveItems(unsigned major, unsigned minor) { return major > 4 || (major == 4 && minor >= 10); }

TMenuItemSize MeasureMenuItem(const TMenuItemText& text, int gap, int screenWidth) {
  TMenuItemSize size;
  if (text.isSeparator) {
    size.height = kMenuSeparatorHeight;
    return size;
  }
  gap = Capped(gap);
  const int labelWidth = Capped(text.labelWidth);
  const int labelHeight = Capped(text.labelHeight);
  size.iconCell = IconCellSize(labelHeight);
  size.largeIcon = size.iconCell == kLargeIconCell;
  size.labelWidth = std::max(labelWidth - gap, 0);
  size.ownWidth = LimitMenuWidth(size.iconCell + labelWidth + 2 - gap, screenWidth);
  size.width = size.ownWidth;
  size.height = std::max(size.iconCell, labelHeight);
  return size;
}

TMenuLayout LayoutMenu(const std::vector<TMenuItemText>& texts, int submenuWidest, int gap, int screenWidth,
                       bool shortcutNeedsRoom) {
  gap = Capped(gap);
  TMenuLayout layout;
  // Every candidate is limited before the widest is taken: limiting only the
  // widest could make the common width a third of the screen while a
  // narrower item between a third and a half kept its width, and cut it.
  int widest = LimitMenuWidth(Capped(submenuWidest), screenWidth);
  for (const TMenuItemText& text : texts) {
    layout.items.push_back(MeasureMenuItem(text, gap, screenWidth));
    widest = std::max(widest, layout.items.back().ownWidth);
    if (text.isSeparator) continue;
    layout.textColumn = std::max(layout.textColumn, Capped(text.labelWidth));
    if (text.hasShortcut) layout.shortcutWidth = std::max(layout.shortcutWidth, Capped(text.shortcutWidth));
  }
  layout.commonWidth = LimitMenuWidth(widest, screenWidth);
  for (size_t i = 0; i < texts.size(); ++i) {
    TMenuItemSize& size = layout.items[i];
    int width = layout.commonWidth;
    if (!texts[i].isSeparator && texts[i].hasShortcut) {
      size.shortcutColumn = layout.commonWidth + 3 * gap;
      if (shortcutNeedsRoom) width += Capped(texts[i].shortcutWidth) + gap;
    }
    width += width / 20;
    size.width = LimitMenuWidth(width, screenWidth);
  }
  return layout;
}
