// LayoutMenu and the mnemonic over arbitrary measures: no overflow or crash,
// no item half the screen wide, heights that hold cell and label, one
// shortcut column per menu, and a mnemonic that is really in the text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "framework/text/TString.h"
#include "framework/window/menus/pure/MenuMeasure.h"
#include "framework/window/menus/pure/MenuMnemonic.h"

namespace {

int ReadInt(const uint8_t*& data, size_t& size) {
  int value = 0;
  const size_t take = size < sizeof value ? size : sizeof value;
  std::memcpy(&value, data, take);
  data += take;
  size -= take;
  return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const TString text(reinterpret_cast<const char*>(data), size);
  const unsigned char mnemonic = MenuMnemonic(text);
  if (mnemonic != 0) {
    if (mnemonic >= 'a' && mnemonic <= 'z') std::abort();
    if (!MatchesMenuMnemonic(text, mnemonic)) std::abort();
    const bool inText = text.Bytes().find(std::string("&") + static_cast<char>(mnemonic)) != std::string::npos ||
                        text.Bytes().find(std::string("&") + static_cast<char>(mnemonic + 32)) != std::string::npos;
    if (!inText) std::abort();
  }

  const int gap = ReadInt(data, size);
  const int screen = ReadInt(data, size);
  const int submenuWidest = ReadInt(data, size);
  const bool needsRoom = size > 0 && (data[0] & 1) != 0;
  std::vector<TMenuItemText> texts;
  while (size >= 13 && texts.size() < 64) {
    TMenuItemText item;
    item.isSeparator = (data[0] & 1) != 0;
    item.hasShortcut = (data[0] & 2) != 0;
    ++data;
    --size;
    item.labelWidth = ReadInt(data, size);
    item.labelHeight = ReadInt(data, size);
    item.shortcutWidth = ReadInt(data, size);
    texts.push_back(item);
  }
  const TMenuLayout layout = LayoutMenu(texts, submenuWidest, gap, screen, needsRoom);
  if (layout.items.size() != texts.size()) std::abort();
  if (layout.commonWidth < 0) std::abort();
  if (screen > 0 && 2LL * layout.commonWidth >= screen) std::abort();
  int column = -1;
  for (size_t i = 0; i < texts.size(); ++i) {
    const TMenuItemSize& item = layout.items[i];
    if (item.width < 0 || item.height <= 0) std::abort();
    if (screen > 0 && 2LL * item.width >= screen) std::abort();
    if (item.iconCell != kSmallIconCell && item.iconCell != kLargeIconCell) std::abort();
    if (texts[i].isSeparator) {
      if (item.shortcutColumn != 0 || item.height != kMenuSeparatorHeight) std::abort();
      continue;
    }
    // Measures past a million pixels are capped there, negative ones count as none.
    const int labelHeight = texts[i].labelHeight < 0 ? 0 : texts[i].labelHeight > 1000000 ? 1000000 : texts[i].labelHeight;
    if (item.height < item.iconCell || item.height < labelHeight) std::abort();
    if (item.ownWidth > layout.commonWidth) std::abort();
    if (texts[i].hasShortcut) {
      if (column >= 0 && item.shortcutColumn != column) std::abort();
      column = item.shortcutColumn;
      if (column < layout.commonWidth) std::abort();
    } else if (item.shortcutColumn != 0) {
      std::abort();
    }
  }
  return 0;
}
