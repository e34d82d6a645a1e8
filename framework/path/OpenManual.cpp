#include <windows.h>
#include <shellapi.h>
#include <shlwapi.h>

#include "framework/path/OpenManual.h"

#include <string>

#include "framework/path/FileExists.h"
#include "framework/path/pure/ManualLink.h"
#include "framework/system/WideText.h"

namespace {

// The open command registered for `association`, empty when there is none.
TString OpenCommand(const char* association) {
  std::string buffer(1024, '\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    DWORD size = static_cast<DWORD>(buffer.size());
    // NOTRUNCATE: a cut command would name the wrong program.
    const HRESULT result = AssocQueryStringA(ASSOCF_NOTRUNCATE, ASSOCSTR_COMMAND, association, "open",
                                             &buffer[0], &size);
    if (result == S_OK) return TString(buffer.c_str());
    if (result != E_POINTER || size <= buffer.size()) break;
    buffer.assign(size, '\0');
  }
  return TString();
}

// ShellExecute reports success as a value above 32.
bool Launched(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result) > 32; }

// A relative program path would make a file URL that names no file.
TString FullPath(const TString& path) {
  char buffer[MAX_PATH * 2] = {};
  const DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return path;
  return TString(buffer, length);
}

// Browsers read a file URL's escapes as UTF-8; the path is in the ANSI code page.
TString Utf8(const TString& ansi) { return MultiByteFromWide(WideFromAnsi(ansi), CP_UTF8); }

}  // namespace

bool OpenManual(const TString& programPath, const TString& section) {
  const TString manual = FullPath(ManualPathFor(programPath));
  if (!FileExists(manual)) return false;
  // ".html" follows the browser the user chose on Windows; Wine's prefix has
  // no ".html" but knows its browser under "http".
  TString command = OpenCommand(".html");
  if (command.IsEmpty()) command = OpenCommand("http");
  if (!command.IsEmpty()) {
    const TLaunch launch = BrowserLaunch(command, FileUrl(Utf8(manual), Utf8(section)));
    if (!launch.program.IsEmpty() &&
        Launched(ShellExecuteA(nullptr, "open", launch.program.c_str(), launch.parameters.c_str(), nullptr,
                               SW_SHOWNORMAL))) {
      return true;
    }
  }
  return Launched(ShellExecuteA(nullptr, "open", manual.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
}
