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

// Failures are not checked: without a taskbar every call fails, and the
// watchdog puts the icons back when one appears.
void Notify(TIconAction action, UINT id, UINT callback, HICON icon, const TWideText& tip) {
  NOTIFYICONDATAW record;
  std::memset(&record, 0, sizeof record);
  record.cbSize = kNotifyRecordSize;
  record.hWnd = AppState().mainWindow;
  record.uID = id;
  if (action == TIconAction::Delete) {
    Shell_NotifyIconW(NIM_DELETE, &record);
    return;
  }
  record.uFlags = kTrayIconFlags;
  record.uCallbackMessage = callback;
  record.hIcon = icon;
  // The record was zeroed, so the cut, which keeps surrogate pairs whole, ends in a terminator.
  const TWideText cut = CutAtCharacter(MakeSingleLineText(tip), kWideTipUnits);
  std::memcpy(record.szTip, cut.data(), cut.size() * sizeof(char16_t));
  Shell_NotifyIconW(action == TIconAction::Add ? NIM_ADD : NIM_MODIFY, &record);
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

void UpdateApplicationIcon(TIconAction action, const TString& text) {
  Notify(action, kApplicationIconId, kApplicationIconMessage, ApplicationIconImage(),
         WideFromAnsi(text.IsEmpty() ? TString("Stowpane") : text));
}

void UpdateTrayIcon(TStoredWindow& record, TIconAction action) {
  HICON icon = action == TIconAction::Delete ? nullptr : record.icon.GetIcon(kSmallIcon, FallbackIconSource());
  Notify(action, static_cast<UINT>(record.iconId), StoredIconMessage(record.iconId), icon, record.wideTitle);
}
