#include <windows.h>
#include <commdlg.h>

#include "framework/path/FileDialogs.h"

#include <string_view>

#include "framework/path/SpecialFolder.h"
#include "framework/path/pure/FileDialogSetup.h"
#include "framework/path/pure/FilterIndex.h"
#include "framework/path/pure/PathText.h"
#include "framework/system/LazyLibrary.h"

namespace {

// The record as the oldest dialogs know it, without the fields that came
// with Windows 2000: every system version takes it.
constexpr DWORD kClassicRecordSize = 76;
static_assert(kClassicRecordSize <= sizeof(OPENFILENAMEA), "the classic record is a prefix of today's");

constexpr int kDesktopFolder = 0;  // CSIDL_DESKTOP

// The filter block up to and including its closing empty text.
std::string_view FilterBlock(const char* filter) {
  if (filter == nullptr || filter[0] == '\0') return {};
  size_t length = 0;
  while (filter[length] != '\0' || filter[length + 1] != '\0') ++length;
  return std::string_view(filter, length + 2);
}

// The dialog takes the focus and leaves it nowhere in particular when it
// closes: whoever had it gets it back.
class TFocusKeeper {
 public:
  TFocusKeeper() : focus_(GetFocus()) {}
  ~TFocusKeeper() {
    if (focus_ != nullptr && IsWindow(focus_)) SetFocus(focus_);
  }
  TFocusKeeper(const TFocusKeeper&) = delete;
  TFocusKeeper& operator=(const TFocusKeeper&) = delete;

 private:
  HWND focus_;
};

// Runs one dialog from the file's current path; on OK the path becomes the choice.
bool RunFileDialog(TFile& file, HWND owner, const char* filter, const char* defaultExtension, const char* title,
                   DWORD flags, bool* readOnly, bool saving) {
  TFocusKeeper focus;
  const TString& path = file.Path();
  const TString folder = InitialDialogFolder(path, SpecialFolder(kDesktopFolder));
  const TString proposed = ProposedFileName(path);
  char name[kDialogFileBuffer] = {};
  lstrcpynA(name, proposed.c_str(), sizeof name);

  OPENFILENAMEA record = {};
  record.lStructSize = kClassicRecordSize;
  record.hwndOwner = owner;
  record.lpstrFilter = filter;
  record.nFilterIndex = static_cast<DWORD>(FilterIndex(FilterBlock(filter), ExtensionOf(path).Bytes()));
  record.lpstrFile = name;
  record.nMaxFile = sizeof name;
  record.lpstrInitialDir = folder.IsEmpty() ? nullptr : folder.c_str();
  record.lpstrTitle = title;
  record.lpstrDefExt = defaultExtension;
  record.Flags = flags;
  const BOOL chosen = saving ? LazyGetSaveFileName(&record) : LazyGetOpenFileName(&record);
  if (!chosen) return false;
  if (readOnly != nullptr) *readOnly = (record.Flags & OFN_READONLY) != 0;
  file.SetPath(TString(name));
  return true;
}

}  // namespace

bool ChooseFileToOpen(TFile& file, HWND owner, const char* filter, const char* defaultExtension, bool* readOnly,
                      const char* title) {
  DWORD flags = OFN_EXPLORER | OFN_PATHMUSTEXIST;
  if (readOnly == nullptr) {
    flags |= OFN_HIDEREADONLY;
  } else if (*readOnly) {
    flags |= OFN_READONLY;
  }
  return RunFileDialog(file, owner, filter, defaultExtension, title, flags, readOnly, false);
}

bool ChooseFileToSave(TFile& file, HWND owner, const char* filter, const char* defaultExtension,
                      const char* title) {
  return RunFileDialog(file, owner, filter, defaultExtension, title,
                       OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY, nullptr, true);
}
