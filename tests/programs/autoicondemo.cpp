// autoicondemo.exe: the auto-iconize settings as the program shows them, with
// three stored rules, for the screenshots. The demo plays the user's first
// step itself and then waits; it ends when the dialog is closed or after
// /seconds:N.
//
//   autoicondemo rules      the dialog, the second rule selected
//   autoicondemo editing    the second rule being edited in place
//   autoicondemo error      a duplicate typed in place: the error message
//   autoicondemo menu       the list's context menu over the second rule
//   autoicondemo off        the switch off: everything below it disabled
//   autoicondemo samekeys   both keys the same, OK pressed: the error message
//
// Settings live below HKCU\Software\StowpaneTests\AutoIconDemo, written afresh
// at each start.
#include <windows.h>
#include <shlwapi.h>

#include <cstdlib>
#include <cstring>

#include "app/keys/pure/HotKeyText.h"
#include "app/titlerules/AutoIconDialog.h"
#include "framework/registry/RegGlobalKeys.h"
#include "framework/registry/RegSection.h"
#include "framework/registry/TRegValue.h"
#include "framework/window/core/Application.h"
#include "framework/window/shapes/ModelessShapes.h"

namespace {

constexpr char kDemoKey[] = "Software\\StowpaneTests\\AutoIconDemo";
constexpr UINT_PTR kStepTimer = 1;
constexpr UINT_PTR kEndTimer = 2;

TAutoIconDialog* g_dialog = nullptr;
const char* g_mode = "rules";
int g_step = 0;

void SeedSettings(bool on, bool sameKeys) {
  SHDeleteKeyA(HKEY_CURRENT_USER, kDemoKey);
  TRegSection section = OpenSection(ApplicationKeys(), "AutoIcon");
  if (sameKeys) TRegDword(section.Keys(), "StoreHotKey").Write(ValueFromHotKey(kDefaultRestoreHotKey));
  TRegDword(section.Keys(), "OnAutoIcon").Write(on ? 1 : 0);
  TRegDword(section.Keys(), "OnPeriodic").Write(1);
  TRegDword(section.Keys(), "WatchTime").Write(30);
  TRegString(section.Keys(), "SelectText").Write("電卓");
  TRegSection titles = OpenSection(section, "TitleList");
  TRegString(titles.Keys(), "000000").Write("メモ帳");
  TRegString(titles.Keys(), "000001").Write("電卓");
  TRegString(titles.Keys(), "000002").Write("コントロール パネル");
}

// Runs inside whichever loop is current: the program's, the floating edit's
// or the message's.
void CALLBACK Step(HWND, UINT, UINT_PTR, DWORD) {
  HWND dialog = g_dialog->Handle();
  if (std::strcmp(g_mode, "editing") == 0 || std::strcmp(g_mode, "error") == 0) {
    if (g_step == 0) {
      ++g_step;
      PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(kEditTitleCommand, 1), 0);
      return;
    }
    HWND box = g_dialog->TitleEditBox();
    if (std::strcmp(g_mode, "error") == 0 && g_step == 1 && box != nullptr) {
      ++g_step;
      SetWindowTextA(box, "メモ帳");
      PostMessageA(box, WM_KEYDOWN, VK_RETURN, 1);
    }
    return;
  }
  if (std::strcmp(g_mode, "samekeys") == 0 && g_step == 0) {
    ++g_step;
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    return;
  }
  if (std::strcmp(g_mode, "menu") == 0 && g_step == 0) {
    ++g_step;
    HWND list = g_dialog->TitleListBox();
    RECT entry{};
    SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&entry));
    POINT at{entry.left + 60, entry.top + 8};
    ClientToScreen(list, &at);
    PostMessageA(dialog, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), MAKELPARAM(at.x, at.y));
  }
}

void CALLBACK End(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

}  // namespace

int main(int argc, char** argv) {
  UINT seconds = 0;
  for (int i = 1; i < argc; ++i) {
    if (std::strncmp(argv[i], "/seconds:", 9) == 0) {
      seconds = static_cast<UINT>(std::atoi(argv[i] + 9));
    } else {
      g_mode = argv[i];
    }
  }
  CreateGlobalKeyLists(kDemoKey);
  TApplicationInfo info;
  info.name = "Stowpane";
  SetApplicationInfo(info);
  SeedSettings(std::strcmp(g_mode, "off") != 0, std::strcmp(g_mode, "samekeys") == 0);
  {
    TAutoIconDialog dialog;
    g_dialog = &dialog;
    dialog.RunModeless(kAutoIconNotifyCommand);
    dialog.ShowSettings();
    SetTimer(nullptr, kStepTimer, 300, Step);
    if (seconds != 0) SetTimer(nullptr, kEndTimer, seconds * 1000, End);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
      if (DispatchToModeless(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
      if (!IsWindowVisible(dialog.Handle())) break;
    }
    g_dialog = nullptr;
  }
  CloseAllModeless();
  DestroyGlobalKeyLists();
  return 0;
}
