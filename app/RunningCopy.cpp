#include <windows.h>

#include "app/RunningCopy.h"

#include "app/AppState.h"
#include "framework/base/Owners.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/TShape.h"

HWND FindRunningCopy() {
  // The titles are searched in their display form, as they were set.
  const TString normal = ToDisplayText(kApplicationName);
  const TString emergency = ToDisplayText(kEmergencyTitle);
  HWND window = FindWindowA(TShape::kClassName, normal.c_str());
  return window != nullptr ? window : FindWindowA(TShape::kClassName, emergency.c_str());
}

int EndRunningCopy(DWORD timeoutMs) {
  HWND window = FindRunningCopy();
  if (window == nullptr) return 0;
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  // Opened before the request: once the copy has ended its id may name
  // another process.
  TKernelHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
  // Posted, not sent: the copy gives its windows back inside the close, which
  // may take longer than any send should wait.
  if (!PostMessageA(window, WM_CLOSE, 0, 0)) return IsWindow(window) ? 1 : 0;
  if (process) return WaitForSingleObject(process.Get(), timeoutMs) == WAIT_OBJECT_0 ? 0 : 1;
  // Without a handle to wait on, the window's end is the sign.
  const DWORD start = GetTickCount();
  while (IsWindow(window)) {
    if (GetTickCount() - start >= timeoutMs) return 1;
    Sleep(50);
  }
  return 0;
}
