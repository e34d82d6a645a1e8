#pragma once
// One access to a named sub-key ("section") of a key list, the pattern every
// user of the store follows:
//
//   TRegSection section = OpenSection(ApplicationKeys(), "Serialize");
//   TRegBinary(section.Keys(), name).Write(placement);
//
// The section copies the list, creates the copy, creates the section below
// the copy's first key, and closes both when it goes out of scope (the
// section first, as it hangs from the copy's handle). It can neither be
// copied nor moved, so its handles live exactly as long as the scope that
// opened it. A section nested below another must be opened inside the
// parent's scope, which the declaration order then closes first.
#include <windows.h>

#include "framework/registry/TRegKeyList.h"
#include "framework/text/TString.h"

class TRegSection {
 public:
  TRegSection(const TRegKeyList& keys, const TString& name);
  // A section below an open section; it hangs from the parent's handle.
  TRegSection(const TRegSection& parent, const TString& name);
  ~TRegSection();
  TRegSection(const TRegSection&) = delete;
  TRegSection& operator=(const TRegSection&) = delete;

  // The one-entry list to make value objects on.
  const TRegKeyList& Keys() const { return section_; }
  // The section key's handle, for the operations on one open key.
  HKEY Handle() const { return section_.Handle(0); }
  // ERROR_SUCCESS when every key could be created. On failure reads yield
  // their defaults and writes fail: callers need not check it first.
  LONG Result() const { return result_; }

 private:
  TRegKeyList copy_;  // empty for a nested section: the parent holds its own
  TRegKeyList section_;
  LONG result_ = ERROR_SUCCESS;
};

// Guaranteed copy elision lets these hand out the immovable section.
inline TRegSection OpenSection(const TRegKeyList& keys, const TString& name) {
  return TRegSection(keys, name);
}
inline TRegSection OpenSection(const TRegSection& parent, const TString& name) {
  return TRegSection(parent, name);
}
