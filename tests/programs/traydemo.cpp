// Fills the tray as Stowpane does with two stored windows, for screenshots:
// the application icon with its count tip and one icon per "stored" window
// (windows of a second thread with Japanese titles). Ends after the number of
// seconds given on the command line (default 30), removing its icons.
#include <windows.h>

#include <cstdlib>
#include <memory>
#include <thread>

#include "app/AppState.h"
#include "app/storing/StoredWindow.h"
#include "app/storing/TrayIcons.h"
#include "framework/window/core/WindowUtils.h"

namespace {

HWND g_windows[2] = {};
DWORD g_storedThread = 0;

void RunStoredWindows(HANDLE ready) {
  g_storedThread = GetCurrentThreadId();
  const char* titles[2] = {"無題 - メモ帳", "見積書（第２版）.txt - ﾜｰﾄﾞﾊﾟｯﾄﾞ"};
  const LPCSTR icons[2] = {IDI_INFORMATION, IDI_WARNING};
  for (int i = 0; i < 2; ++i) {
    g_windows[i] = CreateWindowExA(0, "STATIC", titles[i], WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                   nullptr, nullptr, nullptr);
    SendMessageA(g_windows[i], WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(LoadIconA(nullptr, icons[i])));
  }
  SetEvent(ready);
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  const int seconds = commandLine && *commandLine ? std::atoi(commandLine) : 30;
  HANDLE ready = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread stored(RunStoredWindows, ready);
  WaitForSingleObject(ready, 5000);

  AppState().mainWindow =
      CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  TStoredWindowTable table;
  UpdateApplicationIcon(TIconAction::Add);
  for (HWND window : g_windows) {
    TStoredWindow& record = table.Append(std::make_unique<TStoredWindow>(window, table.ChooseIconId()));
    record.ReadTitle();
    UpdateTrayIcon(record, TIconAction::Add);
  }
  UpdateApplicationIcon(TIconAction::Modify, StoredCountText(table.Count()));

  const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
  MSG msg;
  while (GetTickCount() < end) {
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    Sleep(50);
  }
  for (size_t i = 0; i < table.Count(); ++i) UpdateTrayIcon(table.At(i), TIconAction::Delete);
  UpdateApplicationIcon(TIconAction::Delete);
  PostThreadMessageA(g_storedThread, WM_QUIT, 0, 0);
  stored.join();
  return 0;
}
