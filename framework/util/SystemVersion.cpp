#include <windows.h>

#include "framework/util/SystemVersion.h"

#include "framework/util/VersionWord.h"

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
