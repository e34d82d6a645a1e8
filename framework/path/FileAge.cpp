#include <windows.h>

#include "framework/path/FileAge.h"

#include "framework/base/Owners.h"
#include "framework/path/pure/MonthRule.h"

namespace {

TCalendarDate DateOf(const SYSTEMTIME& time) { return {time.wYear, time.wMonth, time.wDay}; }

}  // namespace

bool FileUnchangedForAMonth(const TString& path) {
  const HANDLE opened = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (opened == INVALID_HANDLE_VALUE) return false;
  const TKernelHandle file(opened);
  FILETIME written = {};
  SYSTEMTIME writtenDate = {};
  if (!GetFileTime(file.Get(), nullptr, nullptr, &written) || !FileTimeToSystemTime(&written, &writtenDate)) {
    return false;
  }
  SYSTEMTIME now = {};
  GetSystemTime(&now);
  return UnchangedForAMonth(DateOf(writtenDate), DateOf(now));
}
