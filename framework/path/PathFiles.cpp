#include <windows.h>

#include "framework/path/PathFiles.h"

#include <string>

#include "framework/path/pure/PathText.h"
#include "framework/text/TStringOps.h"

namespace {

// A FindFirstFileA search, closed when it goes out of scope.
class FileSearch {
 public:
  explicit FileSearch(const TString& pattern)
      : handle_(FindFirstFileA(pattern.c_str(), &data_)) {}
  FileSearch(const FileSearch&) = delete;
  FileSearch& operator=(const FileSearch&) = delete;
  ~FileSearch() {
    if (Found()) FindClose(handle_);
  }
  bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
  const WIN32_FIND_DATAA& Data() const { return data_; }

 private:
  WIN32_FIND_DATAA data_ = {};
  HANDLE handle_;
};

bool IsUnc(const TString& path) { return path.At(0) == '\\' && path.At(1) == '\\'; }

bool HasWildcard(const TString& text) {
  // '*' and '?' are never the second byte of a double-byte character.
  return text.Bytes().find_first_of("*?") != std::string::npos;
}

bool EndsWithBackslash(const TString& path) { return LastChar(path) == TString("\\"); }

TString CanonicalForm(const TString& path, bool shortNames) {
  const bool anchored = IsUnc(path) || !DriveRoot(path).IsEmpty();
  const TString full = anchored ? path : AbsolutePath(path);
  const TTextList parts = PathComponents(full);
  if (parts.Count() == 0) return path;

  // The root stays as written: "C:" becomes "C:\", a UNC path keeps its
  // server and share.
  const int roots = IsUnc(full) ? 2 : 1;
  TString result;
  int index = 0;
  for (const TString& part : parts) {
    if (index++ >= roots) break;
    result += part + TString("\\");
  }
  TString search = result;
  bool looking = true;
  bool first = true;
  index = 0;
  for (const TString& part : parts) {
    if (index++ < roots) continue;
    if (!first) {
      result += TString("\\");
      search += TString("\\");
    }
    first = false;
    search += part;
    const bool dots = part == TString(".") || part == TString("..");
    // A wildcard would be answered with the first match's name, which is
    // another file: such a part ends the look-ups like a missing one.
    if (looking && !dots && !HasWildcard(part)) {
      const FileSearch found(search);
      if (found.Found()) {
        const WIN32_FIND_DATAA& data = found.Data();
        const bool useShort = shortNames && data.cAlternateFileName[0] != '\0';
        result += TString(useShort ? data.cAlternateFileName : data.cFileName);
        continue;
      }
      looking = false;
    } else if (!dots) {
      looking = false;
    }
    result += part;
  }
  if (EndsWithBackslash(path) && !EndsWithBackslash(result)) result += TString("\\");
  return result;
}

}  // namespace

TString ProgramPath() { return ProgramPathOf(TString(GetCommandLineA())); }

TString AbsolutePath(const TString& path) { return AbsolutePath(path, ProgramPath()); }

TString LongPathForm(const TString& path) { return CanonicalForm(path, false); }

TString ShortPathForm(const TString& path) { return CanonicalForm(path, true); }

bool PathExists(const TString& path) {
  if (path.IsEmpty()) return false;
  return FileSearch(path).Found();
}

bool FolderExists(const TString& path) {
  if (path.IsEmpty()) return false;
  const TString folder = EndsWithBackslash(path) ? path : path + TString("\\");
  if (FileSearch(folder + TString("*")).Found()) return true;
  // An empty drive root lists nothing, not even "." and "..".
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

unsigned DriveTypeOf(const TString& path) {
  if (IsUnc(path)) return kUncDriveType;
  const TString root = DriveRoot(path);
  return GetDriveTypeA(root.IsEmpty() ? nullptr : root.c_str());
}

bool ExistsUnlessRemote(const TString& path) {
  switch (DriveTypeOf(path)) {
    case DRIVE_FIXED:
    case DRIVE_RAMDISK:
      return PathExists(path);
    case DRIVE_NO_ROOT_DIR:
      return false;
    default:
      return true;
  }
}
