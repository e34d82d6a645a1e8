#include <windows.h>
#include <shlobj.h>

#include "framework/path/RecentDocuments.h"


#include "framework/path/ShellLink.h"
#include "framework/path/SpecialFolder.h"
#include "framework/path/pure/FilterExtensions.h"
#include "framework/path/pure/FinalBackslash.h"

namespace {

// Owns a FindFirstFileA search.
class TFileSearch {
 public:
  explicit TFileSearch(const TString& pattern)
      : handle_(FindFirstFileA(pattern.c_str(), &found_)) {}
  ~TFileSearch() {
    if (handle_ != INVALID_HANDLE_VALUE) FindClose(handle_);
  }
  TFileSearch(const TFileSearch&) = delete;
  TFileSearch& operator=(const TFileSearch&) = delete;

  bool HasEntry() const { return handle_ != INVALID_HANDLE_VALUE && !done_; }
  const WIN32_FIND_DATAA& Entry() const { return found_; }
  void Next() { done_ = FindNextFileA(handle_, &found_) == FALSE; }

 private:
  WIN32_FIND_DATAA found_{};
  HANDLE handle_;
  bool done_ = false;
};

bool IsFolder(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

TTextList RecentDocumentsIn(const TString& folder, std::string_view filter) {
  TTextList documents;
  // Listing "\*" would list the root of the current drive instead.
  if (folder.IsEmpty()) return documents;
  const bool filtered = !filter.empty();
  const TTextList extensions = FilterExtensions(filter);
  const TString base = WithFinalBackslash(folder);
  for (TFileSearch search(base + TString("*")); search.HasEntry(); search.Next()) {
    // "." and ".." are folders too.
    if (IsFolder(search.Entry())) continue;
    TString target;
    if (!ReadShortcut(base + TString(search.Entry().cFileName), &target)) continue;
    if (target.IsEmpty()) continue;  // a link to a printer, a virtual folder...
    if (filtered && !MatchesFilterExtensions(target, extensions)) continue;
    documents.Append(target);
  }
  return documents;
}

TTextList RecentDocuments(std::string_view filter) {
  return RecentDocumentsIn(SpecialFolder(CSIDL_RECENT), filter);
}
