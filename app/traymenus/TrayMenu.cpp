#include <windows.h>

#include "app/traymenus/TrayMenu.h"

#include "app/Commands.h"
#include "app/storing/CandidateWindows.h"
#include "app/storing/TrayIcons.h"
#include "app/storing/pure/TrayText.h"
#include "framework/icons/IconFactories.h"
#include "framework/system/WideText.h"
#include "framework/window/core/TWindow.h"
#include "resources/ResourceIds.h"

namespace {

constexpr int kInformationStockIcon = 32516;  // IDI_INFORMATION

// A candidate's icon; a window without one shows the system's application
// icon, as its tray icon would.
class TCandidateIcon : public TIconSource {
 public:
  explicit TCandidateIcon(HWND window) : icon_(window) {}
  HICON GetIcon(int kind, TIconSource* fallback) override {
    return icon_.GetIcon(kind, fallback != nullptr ? fallback : FallbackIconSource());
  }

 private:
  TWindowIcon icon_;
};

void EnableCommand(HMENU menu, UINT command, bool enabled) {
  EnableMenuItem(menu, command, MF_BYCOMMAND | (enabled ? MF_ENABLED : (MF_GRAYED | MF_DISABLED)));
}

}  // namespace

TTrayMenu::TTrayMenu() {
  resource_.Reset(LoadMenuA(ProgramInstance(), MAKEINTRESOURCEA(IDM_TRAY_MENU)));
  menu_ = GetSubMenu(resource_.Get(), 0);
  if (menu_ == nullptr) return;
  SetMenuDefaultItem(menu_, kCommandAutoIconSettings, FALSE);
  AttachIcons();
}

// The item objects go before the menu that holds them.
TTrayMenu::~TTrayMenu() { iconMenu_.reset(); }

void TTrayMenu::AttachIcons() {
  std::vector<TIconMenuSpec> specs = {
      ByCommand(kCommandExit, OwnResourceIcon("CLOSE_ICON")),
      ByCommand(kCommandVersion, StockIcon(kInformationStockIcon)),
      ByCommand(kCommandHelp, ClassIcon("hlpfile")),
      ByCommand(kCommandStandbyCure, OwnResourceIcon("CURE_ICON")),
      ByCommand(kCommandAutoIconSettings, OwnResourceIcon("AUTOTRAYICON_ICON")),
      ByCommand(kCommandRestoreAll, OwnResourceIcon("ALLRESTORE_ICON")),
      ByCommand(kCommandStoreAll, OwnResourceIcon("ALLTRAYICON_ICON")),
  };
  for (size_t i = 0; i < icons_.size(); ++i) {
    specs.push_back(ByCommand(static_cast<UINT>(kCommandFirstCandidate + i), icons_[i].get()));
  }
  // A fresh object per opening: the window items differ every time, and
  // the whole menu is measured again with them.
  iconMenu_.reset();
  iconMenu_ = MakeIconMenu(menu_, std::move(specs));
  AttachIconMenu(*iconMenu_);
}

void TTrayMenu::RemoveWindowItems() {
  // The old item objects point at the old icons: both go before the items.
  iconMenu_.reset();
  const size_t items = windowItems_ == 0 ? 0 : windowItems_ + 1;
  for (size_t i = 0; i < items; ++i) DeleteMenu(menu_, 0, MF_BYPOSITION);
  windowItems_ = 0;
  candidates_.clear();
  titles_.clear();
  icons_.clear();
}

void TTrayMenu::Rebuild(HWND mainWindow, size_t storedCount) {
  if (menu_ == nullptr) return;
  RemoveWindowItems();
  for (HWND window : EnumerateCandidateWindows()) {
    if (window == mainWindow || !IsWindow(window)) continue;
    TWideText title;
    SafeGetWideWindowText(window, title);
    candidates_.push_back(window);
    titles_.push_back(std::move(title));
    icons_.push_back(std::make_unique<TCandidateIcon>(window));
  }
  for (size_t i = 0; i < candidates_.size(); ++i) {
    // The wide call keeps a title in any script; the icon menu draws it so.
    const TWideText text = MakeSingleLineText(MakeMenuText(titles_[i]));
    InsertMenuW(menu_, static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                static_cast<UINT_PTR>(kCommandFirstCandidate + i), WideChars(text));
  }
  windowItems_ = candidates_.size();
  if (windowItems_ > 0) InsertMenuA(menu_, static_cast<UINT>(windowItems_), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
  EnableCommand(menu_, kCommandStoreAll, !candidates_.empty());
  EnableCommand(menu_, kCommandRestoreAll, storedCount != 0);
  AttachIcons();
}

void TTrayMenu::Remeasure() {
  if (iconMenu_) RefreshIconMenu(*iconMenu_);
}
