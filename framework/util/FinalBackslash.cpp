#include "framework/util/FinalBackslash.h"

#include "framework/util/TStringOps.h"

TString WithFinalBackslash(const TString& folder) {
  if (folder.IsEmpty() || LastChar(folder) == TString("\\")) return folder;
  return folder + TString("\\");
}
