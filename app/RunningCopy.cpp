#include <windows.h>

#include "app/RunningCopy.h"

#include "app/AppState.h"
#include "framework/base/Owners.h"
#include "framework/window/core/DisplayText.h"
#include "framework/window/shapes/TShape.h"

namespace {

// Every question and notice has the main window's class and title too, and
// stands above it: the main window is the one that has no owner.
HWND FindUnownedShape(const TString& title) {
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, TShape::kClassName, title.c_str())) != nullptr) {
    if (GetWindow(window, GW_OWNER) == nullptr) return window;
  }
  return nullptr;
}

}  // namespace

HWND FindRunningCopy() {
  // The titles are searched in their display form, as they were set.
  const HWND window = FindUnownedShape(ToDisplayText(kApplicationName));
  return window != nullptr ? window : FindUnownedShape(ToDisplayText(kEmergencyTitle));
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
