#include <windows.h>

#include "app/traymenus/GiveBackMenu.h"

#include "app/AppState.h"
#include "app/storing/pure/TrayText.h"
#include "app/traymenus/StoredWindowMenus.h"
#include "framework/base/Owners.h"

namespace {

constexpr UINT kGiveBackItem = 1;
constexpr UINT kCloseItem = 2;
constexpr UINT kHeaderItem = 3;
// Titles run to hundreds of characters; a menu that wide would be no menu.
constexpr size_t kHeaderBytes = 60;

}  // namespace

TString GiveBackMenuHeader(const TString& title) {
  const TString line = MakeSingleLineText(MakeMenuText(title));
  if (line.Length() <= kHeaderBytes) return line;
  TString cut = CutAtCharacter(line, kHeaderBytes);
  // A cut may leave half of a doubled '&' (an odd run at the end): it would
  // underline the dots.
  size_t ampersands = 0;
  while (ampersands < cut.Length() && cut.Bytes()[cut.Length() - 1 - ampersands] == '&') ++ampersands;
  if (ampersands % 2 == 1) cut = TString(cut.c_str(), cut.Length() - 1);
  return cut + TString("…");
}

TGiveBackChoice ShowGiveBackMenu(const TString& title, POINT at) {
  TMenuHandle menu(CreatePopupMenu());
  if (!menu) return TGiveBackChoice::None;
  AppendMenuA(menu.Get(), MF_STRING | MF_GRAYED, kHeaderItem, GiveBackMenuHeader(title).c_str());
  AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
  AppendMenuA(menu.Get(), MF_STRING, kGiveBackItem, "元に戻す(&R)");
  AppendMenuA(menu.Get(), MF_STRING, kCloseItem, "閉じる(&C)");
  SetMenuDefaultItem(menu.Get(), kGiveBackItem, FALSE);
  switch (TrackOwnTrayMenu(menu.Get(), at)) {
    case kGiveBackItem:
      return TGiveBackChoice::GiveBack;
    case kCloseItem:
      return TGiveBackChoice::Close;
    default:
      return TGiveBackChoice::None;
  }
}

void PostCloseCommand(HWND window) {
  if (!IsWindow(window)) return;
  // As for a command of the window's own menu: a question it asks on closing
  // comes to the front.
  SetForegroundWindow(window);
  PostSystemCommand(window, SC_CLOSE);
}
