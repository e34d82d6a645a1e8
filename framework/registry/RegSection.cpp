#include <windows.h>

#include "framework/registry/RegSection.h"

TRegSection::TRegSection(const TRegKeyList& keys, const TString& name) : copy_(keys) {
  result_ = copy_.Create(REG_OPTION_NON_VOLATILE);
  // An empty list has no first key to hang the section from.
  if (copy_.Count() == 0) result_ = ERROR_INVALID_HANDLE;
  section_.Append(TRegKeyEntry(copy_.Handle(0), name));
  const LONG created = section_.Create(REG_OPTION_NON_VOLATILE);
  if (result_ == ERROR_SUCCESS) result_ = created;
}

TRegSection::TRegSection(const TRegSection& parent, const TString& name) {
  section_.Append(TRegKeyEntry(parent.Handle(), name));
  result_ = section_.Create(REG_OPTION_NON_VOLATILE);
}

TRegSection::~TRegSection() {
  section_.Close();
  copy_.Close();
}
