#include <windows.h>

#include "framework/path/SystemFolders.h"

#include <vector>

#include "framework/path/pure/FinalBackslash.h"
#include "framework/system/Wow64.h"

namespace {

// The three calls share one contract: the length copied, or the size needed
// (terminator included) when the buffer is too small, or 0 on failure.
template <typename Query>
TString AskFolder(Query query) {
  std::vector<char> buffer(MAX_PATH + 1, '\0');
  UINT length = query(buffer.data(), static_cast<UINT>(buffer.size()));
  if (length >= buffer.size()) {
    // A path longer than MAX_PATH (possible for the current folder): ask
    // again with room for it rather than return a cut path.
    buffer.assign(length + 1, '\0');
    length = query(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) return TString();
  }
  return WithFinalBackslash(TString(buffer.data(), length));
}

}  // namespace

TString WindowsFolder() {
  return AskFolder([](char* buffer, UINT size) { return GetWindowsDirectoryA(buffer, size); });
}

TString SystemFolder() {
  return AskFolder([](char* buffer, UINT size) { return GetSystemDirectoryA(buffer, size); });
}

TString NativeSystemFolder() {
  if (!RunningUnderWow64()) return SystemFolder();
  const TString windows = WindowsFolder();
  return windows.IsEmpty() ? SystemFolder() : windows + TString("Sysnative\\");
}

TString CurrentFolder() {
  return AskFolder([](char* buffer, UINT size) {
    return static_cast<UINT>(GetCurrentDirectoryA(size, buffer));
  });
}
