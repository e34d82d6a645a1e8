#include "framework/window/menus/IconMenu.h"

#include <algorithm>
#include <unordered_set>

#include "framework/base/SharedResources.h"
#include "framework/system/WideText.h"
#include "framework/window/core/DisplayText.h"

namespace {

// Every item object alive: a menu's item data is trusted only when it is one
// of these, so that another owner's data or a dropped object is never used.
std::unordered_set<const TIconMenuItem*>& LiveItems() {
  static std::unordered_set<const TIconMenuItem*> items;
  return items;
}

TOwnedFont& SharedFont(bool bold) {
  static TOwnedFont fonts[2];
  return fonts[bold ? 1 : 0];
}

// Full-width "zen" (U+5168) in code page 932: the menu's gap is half of it.
constexpr char kFullWidthSample[] = "\x91\x53";

struct TMenuState {
  MENUITEMINFOA info{};
  bool ok = false;
};

TMenuState ReadItem(HMENU menu, int position) {
  TMenuState state;
  state.info.cbSize = sizeof state.info;
  state.info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
  state.ok = GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &state.info) != FALSE;
  return state;
}

TString ReadItemText(HMENU menu, int position) {
  const int length = GetMenuStringA(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return TString();
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int read = GetMenuStringA(menu, static_cast<UINT>(position), &text[0], length + 1, MF_BYPOSITION);
  text.resize(static_cast<size_t>(std::clamp(read, 0, length)));
  return TString(std::move(text));
}

TWideText ReadItemWideText(HMENU menu, int position) {
  const int length = GetMenuStringW(menu, static_cast<UINT>(position), nullptr, 0, MF_BYPOSITION);
  if (length <= 0) return TWideText();
  TWideText text(static_cast<size_t>(length) + 1, u'\0');
  const int read = GetMenuStringW(menu, static_cast<UINT>(position), WideChars(text), length + 1, MF_BYPOSITION);
  text.resize(static_cast<size_t>(std::clamp(read, 0, length)));
  return text;
}

// Back to a text item with the item's own text, in the form that keeps it whole.
BOOL ModifyToText(HMENU menu, int position, UINT flags, UINT_PTR idOrPopup, const TIconMenuItem& item) {
  const UINT at = static_cast<UINT>(position);
  if (item.IsSeparator()) return ModifyMenuA(menu, at, flags, idOrPopup, nullptr);
  if (item.IsWide()) return ModifyMenuW(menu, at, flags, idOrPopup, WideChars(item.WideText()));
  return ModifyMenuA(menu, at, flags, idOrPopup, item.Text().c_str());
}

// Puts the kept grayed, checked and default states back after ModifyMenuA,
// which sets an item's state from its flags.
void RestoreState(HMENU menu, int position, UINT state) {
  const UINT at = static_cast<UINT>(position);
  EnableMenuItem(menu, at, MF_BYPOSITION | (state & (MFS_GRAYED | MFS_DISABLED)));
  CheckMenuItem(menu, at, MF_BYPOSITION | ((state & MFS_CHECKED) != 0 ? MF_CHECKED : MF_UNCHECKED));
  if ((state & MFS_DEFAULT) != 0) SetMenuDefaultItem(menu, at, TRUE);
}

int ScreenWidth() {
  RECT desktop{};
  GetWindowRect(GetDesktopWindow(), &desktop);
  return desktop.right - desktop.left;
}

bool NeedsShortcutRoom() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  if (!GetVersionExA(&version)) return true;
  return ShortcutNeedsRoom(version.dwMajorVersion, version.dwMinorVersion, version.dwBuildNumber & 0xFFFF,
                           version.dwPlatformId == VER_PLATFORM_WIN32_NT);
}

SIZE MeasureText(HDC dc, const TString& text) {
  RECT area{0, 0, 0, 0};
  DrawTextA(dc, text.c_str(), -1, &area, DT_CALCRECT | DT_SINGLELINE);
  return {area.right - area.left, area.bottom - area.top};
}

SIZE MeasureText(HDC dc, const TWideText& text) {
  RECT area{0, 0, 0, 0};
  DrawTextW(dc, WideChars(text), -1, &area, DT_CALCRECT | DT_SINGLELINE);
  return {area.right - area.left, area.bottom - area.top};
}

}  // namespace

HFONT IconMenuFont(bool bold) {
  TOwnedFont& font = SharedFont(bold);
  if (!font) {
    static bool registered = false;
    if (!registered) {
      RegisterSharedRelease(ReleaseIconMenuFonts);
      registered = true;
    }
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));  // shared, never freed
    }
    if (bold) metrics.lfMenuFont.lfWeight = FW_BOLD;
    font.Reset(CreateFontIndirectA(&metrics.lfMenuFont));
    if (!font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  return font.Get();
}

void ReleaseIconMenuFonts() {
  SharedFont(false).Reset();
  SharedFont(true).Reset();
}

TIconMenuItem::TIconMenuItem(const TIconMenuSpec& spec, const TString& text, bool separator,
                             const TWideText& wideText)
    : byCommand_(spec.byCommand),
      commandOrPosition_(spec.commandOrPosition),
      icon_(spec.icon),
      text_(text),
      wideText_(wideText),
      separator_(separator) {
  const TString shown = ToDisplayText(text);
  const size_t tab = shown.Bytes().find('\t');
  hasShortcut_ = tab != std::string::npos;
  label_ = hasShortcut_ ? TString(shown.c_str(), tab) : shown;
  if (hasShortcut_) shortcut_ = TString(shown.Bytes().substr(tab + 1));
  if (IsWide()) {
    // Only other programs' titles take this form: they carry no display
    // marks of this program's texts, so the text is shown as it is.
    const size_t wideTab = wideText_.find(u'\t');
    hasShortcut_ = wideTab != TWideText::npos;
    wideLabel_ = wideText_.substr(0, wideTab);
    if (hasShortcut_) wideShortcut_ = wideText_.substr(wideTab + 1);
  }
  LiveItems().insert(this);
}

TIconMenuItem::~TIconMenuItem() { LiveItems().erase(this); }

TIconMenuItem* TIconMenuItem::FromItemData(ULONG_PTR data) {
  auto* item = reinterpret_cast<TIconMenuItem*>(data);
  return data != 0 && LiveItems().count(item) != 0 ? item : nullptr;
}

TIconMenu::TIconMenu(HMENU menu, std::vector<TIconMenuSpec> specs) : menu_(menu), specs_(std::move(specs)) {}

TIconMenu::TIconMenu(UINT position, TIconSource* icon, std::vector<TIconMenuSpec> specs)
    : isSubmenu_(true), position_(position), ownIcon_(icon), specs_(std::move(specs)) {}

TIconMenu::~TIconMenu() { Revert(); }

void TIconMenu::AddSubmenu(std::unique_ptr<TIconMenu> submenu) {
  if (submenu) submenus_.push_back(std::move(submenu));
}

void TIconMenu::Revert() {
  submenus_.clear();  // their items first, while the popups are still there
  if (menu_ != nullptr && IsMenu(menu_)) {
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
      const TMenuState state = ReadItem(menu_, i);
      TIconMenuItem* item = state.ok ? TIconMenuItem::FromItemData(state.info.dwItemData) : nullptr;
      if (item == nullptr) continue;
      const bool ours = std::any_of(items_.begin(), items_.end(), [item](const auto& own) { return own.get() == item; });
      if (!ours) continue;
      const bool popup = state.info.hSubMenu != nullptr;
      const UINT flags = MF_BYPOSITION | (item->IsSeparator() ? MF_SEPARATOR : MF_STRING) | (popup ? MF_POPUP : 0);
      ModifyToText(menu_, i, flags, popup ? reinterpret_cast<UINT_PTR>(state.info.hSubMenu) : state.info.wID, *item);
      RestoreState(menu_, i, state.info.fState);
    }
  }
  items_.clear();
}

bool TIconMenu::Attach() {
  if (isSubmenu_) return menu_ != nullptr && AttachTo(menu_);
  if (!AttachTo(menu_)) return false;
  Measure();
  return true;
}

bool TIconMenu::AttachTo(HMENU menu) {
  if (menu == nullptr || !IsMenu(menu)) return false;
  menu_ = menu;
  const int count = GetMenuItemCount(menu);
  std::vector<std::unique_ptr<TIconMenuItem>> kept;
  std::vector<std::unique_ptr<TIconMenu>> keptSubmenus;
  for (int i = 0; i < count; ++i) {
    const TMenuState state = ReadItem(menu, i);
    if (!state.ok) continue;
    const MENUITEMINFOA& info = state.info;
    const bool popup = info.hSubMenu != nullptr;

    // The popup's object: the one already on it, else the one named for this
    // position, else a plain one so that the whole tree is drawn alike.
    TIconMenu* submenu = nullptr;
    if (popup) {
      auto found = std::find_if(submenus_.begin(), submenus_.end(),
                                [&](const auto& each) { return each && each->menu_ == info.hSubMenu; });
      if (found == submenus_.end()) {
        found = std::find_if(submenus_.begin(), submenus_.end(), [&](const auto& each) {
          return each && each->menu_ == nullptr && each->position_ == static_cast<UINT>(i);
        });
      }
      std::unique_ptr<TIconMenu> object = found != submenus_.end()
                                              ? std::move(*found)
                                              : std::make_unique<TIconMenu>(static_cast<UINT>(i), nullptr,
                                                                            std::vector<TIconMenuSpec>());
      submenu = object.get();
      keptSubmenus.push_back(std::move(object));
      submenu->AttachTo(info.hSubMenu);
    }

    if ((info.fType & MFT_OWNERDRAW) != 0) {
      // Converted before: keep our object; another owner's item stays theirs.
      auto own = std::find_if(items_.begin(), items_.end(),
                              [&](const auto& each) { return each && each.get() == reinterpret_cast<TIconMenuItem*>(info.dwItemData); });
      if (own != items_.end()) kept.push_back(std::move(*own));
      continue;
    }
    if ((info.fType & MFT_BITMAP) != 0) continue;  // a picture item has no text to draw

    const bool separator = (info.fType & MFT_SEPARATOR) != 0;
    TIconMenuSpec spec = ByPosition(static_cast<UINT>(i), submenu != nullptr ? submenu->ownIcon_ : nullptr);
    for (const TIconMenuSpec& named : specs_) {
      const bool matches = named.byCommand ? !popup && !separator && info.wID == named.commandOrPosition
                                           : named.commandOrPosition == static_cast<UINT>(i);
      if (matches) {
        spec.icon = named.icon;
        break;
      }
    }
    if (!popup && !separator) spec = {true, info.wID, spec.icon};
    const TString text = separator ? TString() : ReadItemText(menu, i);
    TWideText wide = separator ? TWideText() : ReadItemWideText(menu, i);
    if (wide == WideFromAnsi(text)) wide.clear();
    auto item = std::make_unique<TIconMenuItem>(spec, text, separator, wide);

    const UINT_PTR idOrPopup = popup ? reinterpret_cast<UINT_PTR>(info.hSubMenu) : info.wID;
    const UINT popupFlag = popup ? MF_POPUP : 0;
    // Back to a text item first, so that Windows knows the item's text for
    // the moment; then owner-drawn, the popup and the separator kept.
    if (!separator) ModifyToText(menu, i, MF_BYPOSITION | MF_STRING | popupFlag, idOrPopup, *item);
    if (!ModifyMenuA(menu, static_cast<UINT>(i),
                     MF_BYPOSITION | MF_OWNERDRAW | popupFlag | (separator ? MF_SEPARATOR : 0), idOrPopup,
                     reinterpret_cast<LPCSTR>(item.get()))) {
      continue;  // the item stays as it was, drawn by the system
    }
    RestoreState(menu, i, info.fState);
    kept.push_back(std::move(item));
  }
  items_ = std::move(kept);  // objects of items that are gone go with the old list
  // Named submenus whose popup is not there (any more) are dropped too.
  submenus_ = std::move(keptSubmenus);
  return true;
}

void TIconMenu::Measure() {
  int submenuWidest = 0;
  for (const auto& submenu : submenus_) {
    submenu->Measure();
    submenuWidest = std::max(submenuWidest, submenu->Widest());
  }
  if (menu_ == nullptr || !IsMenu(menu_)) return;
  HDC screen = GetDC(nullptr);
  if (screen == nullptr) return;
  const HGDIOBJ previous = SelectObject(screen, IconMenuFont(false));
  SIZE sample{};
  GetTextExtentPoint32A(screen, kFullWidthSample, 2, &sample);
  const int gap = MenuGap(sample.cx);

  std::vector<TMenuItemText> texts;
  std::vector<TIconMenuItem*> measured;
  const int count = GetMenuItemCount(menu_);
  for (int i = 0; i < count; ++i) {
    const TMenuState state = ReadItem(menu_, i);
    TIconMenuItem* item = state.ok ? TIconMenuItem::FromItemData(state.info.dwItemData) : nullptr;
    if (item == nullptr || std::none_of(items_.begin(), items_.end(), [item](const auto& own) { return own.get() == item; })) {
      continue;
    }
    TMenuItemText text;
    text.isSeparator = item->IsSeparator();
    if (!text.isSeparator) {
      // A default item is drawn bold, so it is measured bold.
      SelectObject(screen, IconMenuFont((state.info.fState & MFS_DEFAULT) != 0));
      const SIZE label = item->IsWide() ? MeasureText(screen, item->WideLabel()) : MeasureText(screen, item->Label());
      text.labelWidth = label.cx;
      text.labelHeight = label.cy;
      text.hasShortcut = item->HasShortcut();
      if (text.hasShortcut) {
        text.shortcutWidth =
            (item->IsWide() ? MeasureText(screen, item->WideShortcut()) : MeasureText(screen, item->Shortcut())).cx;
      }
      SelectObject(screen, IconMenuFont(false));
    }
    texts.push_back(text);
    measured.push_back(item);
  }
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);

  const TMenuLayout layout = LayoutMenu(texts, submenuWidest, gap, ScreenWidth(), NeedsShortcutRoom());
  for (size_t i = 0; i < measured.size(); ++i) measured[i]->size_ = layout.items[i];
  textColumn_ = layout.textColumn;
  shortcutColumn_ = layout.shortcutWidth;
  widest_ = layout.commonWidth;
}

bool TIconMenu::DeleteItem(UINT commandOrPosition, bool byCommand) {
  if (menu_ == nullptr || !IsMenu(menu_)) return false;
  int position = byCommand ? -1 : static_cast<int>(commandOrPosition);
  const int count = GetMenuItemCount(menu_);
  if (byCommand) {
    for (int i = 0; i < count && position < 0; ++i) {
      if (GetMenuItemID(menu_, i) == commandOrPosition) position = i;
    }
  }
  if (position < 0 || position >= count) return false;
  const TMenuState state = ReadItem(menu_, position);
  if (!state.ok) return false;
  if (state.info.hSubMenu != nullptr) {
    submenus_.erase(std::remove_if(submenus_.begin(), submenus_.end(),
                                   [&](const auto& each) { return each->menu_ == state.info.hSubMenu; }),
                    submenus_.end());
  }
  if (!DeleteMenu(menu_, static_cast<UINT>(position), MF_BYPOSITION)) return false;
  const auto* item = reinterpret_cast<const TIconMenuItem*>(state.info.dwItemData);
  items_.erase(std::remove_if(items_.begin(), items_.end(), [item](const auto& own) { return own.get() == item; }),
               items_.end());
  return true;
}

std::unique_ptr<TIconMenu> MakeIconMenu(HMENU menu, std::vector<TIconMenuSpec> specs,
                                        std::vector<std::unique_ptr<TIconMenu>> submenus) {
  auto object = std::make_unique<TIconMenu>(menu, std::move(specs));
  for (auto& submenu : submenus) object->AddSubmenu(std::move(submenu));
  return object;
}

std::unique_ptr<TIconMenu> MakeIconSubmenu(UINT position, TIconSource* icon, std::vector<TIconMenuSpec> specs) {
  return std::make_unique<TIconMenu>(position, icon, std::move(specs));
}

bool AttachIconMenu(TIconMenu& menu) { return menu.Attach(); }

void RefreshIconMenu(TIconMenu& menu) {
  ReleaseIconMenuFonts();  // the next use reads the new menu font
  menu.Measure();
}
