#include <windows.h>

#include "framework/icons/DefaultIcon.h"

#include <vector>

#include "framework/path/pure/PathText.h"
#include "framework/registry/RegRoots.h"
#include "framework/registry/TRegKeyList.h"

namespace {

// The unnamed value of a key below HKEY_CLASSES_ROOT. Opened for reading
// only: the system's file types are not ours to create or change.
TString ClassesRootText(const TString& keyPath) {
  TRegKeyList keys(RegClassesRoot, keyPath);
  if (keys.Open(KEY_READ) != ERROR_SUCCESS) return TString();
  TString text;
  keys.ReadString(TString(), text);
  return text;
}

}  // namespace

TString ClassDefaultIcon(const TString& className) {
  if (className.IsEmpty()) return TString();
  return ClassesRootText(className + TString("\\DefaultIcon"));
}

TString DefaultIconOf(const TString& path) {
  const TString extensionKey = TString(".") + ExtensionOf(path);
  TString className = ClassesRootText(extensionKey);
  if (className.IsEmpty()) className = extensionKey;
  return ClassDefaultIcon(className);
}

TString ExpandEnvironmentReferences(const TString& text) {
  if (text.Bytes().find('%') == std::string::npos) return text;
  // The needed size (terminator included) comes back when the buffer is too
  // small: expand again into that rather than cut a long path short.
  std::vector<char> buffer(MAX_PATH, '\0');
  for (int attempt = 0; attempt < 3; ++attempt) {
    const DWORD needed =
        ExpandEnvironmentStringsA(text.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    if (needed == 0) return text;
    if (needed <= buffer.size()) return TString(buffer.data());
    buffer.assign(needed, '\0');
  }
  return text;
}

TIconLocation ReadIconLocation(const TString& text) {
  TIconLocation location = ParseIconLocation(text);
  location.path = ExpandEnvironmentReferences(location.path);
  return location;
}
