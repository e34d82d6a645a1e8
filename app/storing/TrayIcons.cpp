#include <windows.h>

#include "app/storing/TrayIcons.h"

#include <shellapi.h>

#include <cstddef>
#include <cstdio>
#include <cstring>
#include <memory>

#include "app/AppState.h"
#include "app/storing/StoredWindow.h"
#include "app/storing/pure/TrayText.h"
#include "framework/base/SharedResources.h"
#include "framework/icons/StockIcon.h"
#include "framework/system/WideText.h"
#include "framework/text/WidthConversion.h"
#include "framework/window/core/TWindow.h"

namespace {

// The wide record of shells from Windows 2000 on, up to its info flags: its
// tip holds 127 characters of any script, where the first form's held 63 bytes.
constexpr DWORD kNotifyRecordSize = 936;
static_assert(offsetof(NOTIFYICONDATAW, dwInfoFlags) + sizeof(DWORD) == kNotifyRecordSize,
              "the wide record's second form ends after its info flags");

HICON ApplicationIconImage() {
  // One image serves the whole run; the system frees it with the process.
  static HICON icon = static_cast<HICON>(
      LoadImageA(ProgramInstance(), "APPLICATION_ICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  return icon;
}

std::unique_ptr<TStockIcon>& FallbackSlot() {
  static std::unique_ptr<TStockIcon> fallback;
  return fallback;
}

void ReleaseFallback() { FallbackSlot().reset(); }

// Every call may fail: without a taskbar, and while a taskbar is not ready
// yet (at logon) or is busy. Callers keep what failed to try it again.
bool Notify(TIconAction action, UINT id, UINT callback, HICON icon, const TWideText& tip) {
  NOTIFYICONDATAW record;
  std::memset(&record, 0, sizeof record);
  record.cbSize = kNotifyRecordSize;
  record.hWnd = AppState().mainWindow;
  record.uID = id;
  if (action == TIconAction::Delete) return Shell_NotifyIconW(NIM_DELETE, &record) != FALSE;
  record.uFlags = kTrayIconFlags;
  record.uCallbackMessage = callback;
  record.hIcon = icon;
  // The record was zeroed, so the cut, which keeps surrogate pairs whole, ends in a terminator.
  const TWideText cut = CutAtCharacter(MakeSingleLineText(tip), kWideTipUnits);
  std::memcpy(record.szTip, cut.data(), cut.size() * sizeof(char16_t));
  if (action == TIconAction::Modify) return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
  if (Shell_NotifyIconW(NIM_ADD, &record)) return true;
  // An add that timed out may still have been carried out, and an icon the
  // taskbar kept from before refuses a second add: either way it is there
  // once it takes a change.
  return Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

}  // namespace

TIconSource* FallbackIconSource() {
  auto& fallback = FallbackSlot();
  if (!fallback) {
    fallback = std::make_unique<TStockIcon>(static_cast<int>(reinterpret_cast<ULONG_PTR>(IDI_APPLICATION)));
    RegisterSharedRelease(ReleaseFallback);
  }
  return fallback.get();
}

TString StoredCountText(size_t storedCount) {
  if (storedCount == 0) return TString();
  char digits[24];
  std::snprintf(digits, sizeof digits, "%u", static_cast<unsigned>(storedCount));
  return ToFullWidth(TString(digits), kWidthAll) + TString("枚のウィンドウをアイコン化しています。");
}

bool UpdateApplicationIcon(TIconAction action, const TString& text) {
  return Notify(action, kApplicationIconId, kApplicationIconMessage, ApplicationIconImage(),
         WideFromAnsi(text.IsEmpty() ? TString("Stowpane") : text));
}

bool UpdateTrayIcon(TStoredWindow& record, TIconAction action) {
  HICON icon = action == TIconAction::Delete ? nullptr : record.icon.GetIcon(kSmallIcon, FallbackIconSource());
  const bool done =
      Notify(action, static_cast<UINT>(record.iconId), StoredIconMessage(record.iconId), icon, record.wideTitle);
  if (action != TIconAction::Modify) record.iconShown = done && action == TIconAction::Add;
  return done;
}
