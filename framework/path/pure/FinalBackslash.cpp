#include "framework/path/pure/FinalBackslash.h"

#include "framework/text/TStringOps.h"

TString WithFinalBackslash(const TString& folder) {
  if (folder.IsEmpty() || LastChar(folder) == TString("\\")) return folder;
  return folder + TString("\\");
}
