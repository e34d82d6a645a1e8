#include <windows.h>

#include "app/ApplicationIcon.h"

#include <shellapi.h>

#include <cstdio>
#include <cstring>

#include "app/AppState.h"
#include "app/TrayText.h"
#include "framework/util/WidthConversion.h"
#include "framework/window/TWindow.h"

namespace {

// The first, 88-byte form of the record: the one every shell understands.
constexpr DWORD kNotifyRecordSize = 88;

HICON ApplicationIconImage() {
  // One image serves the whole run; the system frees it with the process.
  static HICON icon = static_cast<HICON>(
      LoadImageA(ProgramInstance(), "APPLICATION_ICON", IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
  return icon;
}

}  // namespace

TString StoredCountText(size_t storedCount) {
  if (storedCount == 0) return TString();
  char digits[24];
  std::snprintf(digits, sizeof digits, "%u", static_cast<unsigned>(storedCount));
  return ToFullWidth(TString(digits), kWidthAll) + TString("枚のウィンドウをアイコン化しています。");
}

void UpdateApplicationIcon(TIconAction action, const TString& text) {
  NOTIFYICONDATAA record;
  std::memset(&record, 0, sizeof record);
  record.cbSize = kNotifyRecordSize;
  record.hWnd = AppState().mainWindow;
  record.uID = kApplicationIconId;
  if (action == TIconAction::Delete) {
    Shell_NotifyIconA(NIM_DELETE, &record);
    return;
  }
  record.uFlags = kTrayIconFlags;
  record.uCallbackMessage = kApplicationIconMessage;
  record.hIcon = ApplicationIconImage();
  const TString tip = text.IsEmpty() ? TString("Stowpane") : CutAtCharacter(MakeSingleLineText(text), kTipBytes);
  std::memcpy(record.szTip, tip.c_str(), tip.Length() + 1);
  Shell_NotifyIconA(action == TIconAction::Add ? NIM_ADD : NIM_MODIFY, &record);
}
