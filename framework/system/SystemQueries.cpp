#include <windows.h>

#include "framework/system/SystemQueries.h"

#include "framework/system/pure/VersionWord.h"

namespace {

struct TVersionInfo {
  uint32_t word = 0;
  uint32_t platform = 0;
};

TVersionInfo AskVersion() {
  // 148 bytes: the plain record, which every version of Windows accepts.
  static_assert(sizeof(OSVERSIONINFOA) == 148, "OSVERSIONINFOA must be the 148-byte record");
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof(info);
  TVersionInfo result;
  if (!GetVersionExA(&info)) return result;
  result.word = MakeVersionWord(info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber);
  result.platform = info.dwPlatformId;
  return result;
}

const TVersionInfo& CachedVersion() {
  static const TVersionInfo version = AskVersion();
  return version;
}

}  // namespace

uint32_t SystemVersionWord() { return CachedVersion().word; }

uint32_t SystemPlatformId() { return CachedVersion().platform; }

bool RunsUnderWine() {
  static const bool wine = [] {
    const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
  }();
  return wine;
}

namespace {
// -1 until the first question, then 0 or 1.
int rebarTaskbar = -1;

bool FindRebarTaskbar() {
  // The shell's own windows carry empty titles; asking for "" (not NULL) keeps
  // a program that merely borrows the class name from being taken for it.
  HWND tray = FindWindowA("Shell_TrayWnd", "");
  if (tray == nullptr) return false;
  return FindWindowExA(tray, nullptr, "ReBarWindow32", "") != nullptr;
}
}  // namespace

bool HasRebarTaskbar() {
  if (rebarTaskbar < 0) rebarTaskbar = FindRebarTaskbar() ? 1 : 0;
  return rebarTaskbar == 1;
}

bool IsKeyDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

bool IsPaletteFreeDevice(HDC dc) { return (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE) == 0; }
