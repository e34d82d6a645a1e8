#include <windows.h>

#include "framework/registry/RegGlobalKeys.h"

#include <memory>

namespace {

struct GlobalKeyLists {
  std::unique_ptr<TRegKeyList> application;
  std::unique_ptr<TRegKeyList> library;
};

// Built on first use, so no order of static construction matters.
GlobalKeyLists& Globals() {
  static GlobalKeyLists lists;
  return lists;
}

const TRegKeyList& OrEmpty(const std::unique_ptr<TRegKeyList>& list) {
  static const TRegKeyList empty;
  return list ? *list : empty;
}

}  // namespace

void CreateGlobalKeyLists(const char* applicationKeyPath, HKEY root) {
  const char* path = applicationKeyPath ? applicationKeyPath : kApplicationKeyPath;
  Globals().application = std::make_unique<TRegKeyList>(root, TString(path));
  Globals().library = std::make_unique<TRegKeyList>(root, TString(kLibraryKeyPath));
}

void DestroyGlobalKeyLists() {
  Globals().application.reset();
  Globals().library.reset();
}

const TRegKeyList& ApplicationKeys() { return OrEmpty(Globals().application); }
const TRegKeyList& LibraryKeys() { return OrEmpty(Globals().library); }
