#include "framework/path/pure/FileDialogSetup.h"

#include "framework/path/pure/PathText.h"
#include "framework/text/ShiftJis.h"
#include "framework/text/TStringOps.h"

namespace {

TString WithoutFinalBackslash(const TString& folder) {
  if (LastChar(folder) != TString("\\")) return folder;
  // "C:\" is the root; "\" alone is the current drive's root.
  if (folder.Length() == 1 || (folder.Length() == 3 && folder.At(1) == ':')) return folder;
  return Left(folder, folder.Length() - 1);
}

}  // namespace

TString InitialDialogFolder(const TString& path, const TString& desktop) {
  const TString folder = FolderPart(path);
  return WithoutFinalBackslash(folder.IsEmpty() ? desktop : folder);
}

TString ProposedFileName(const TString& path) {
  const TString name = FileNamePart(path);
  if (name.Length() < kDialogFileBuffer) return name;
  return TString(name.c_str(), WholeCharacterLength(name.c_str(), kDialogFileBuffer - 1));
}
