#include <windows.h>

#include "framework/path/FileExists.h"

#include <string>

namespace {

TString LongFormOrAsGiven(const TString& path) {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetLongPathNameA(path.c_str(), buffer, sizeof buffer);
  // A longer answer is the size it needs: the buffer was too small.
  if (length == 0 || length >= sizeof buffer) return path;
  return TString(buffer, length);
}

}  // namespace

bool FileExists(const TString& path) {
  WIN32_FIND_DATAA data = {};
  const HANDLE search = FindFirstFileA(LongFormOrAsGiven(path).c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return true;
}
