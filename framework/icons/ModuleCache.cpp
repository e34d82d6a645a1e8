#include <windows.h>

#include "framework/icons/ModuleCache.h"

#include <vector>

#include "framework/base/SharedResources.h"
#include "framework/icons/IconFactories.h"
#include "framework/path/PathFiles.h"
#include "framework/path/pure/CaseFoldedPath.h"
#include "framework/path/pure/PathText.h"
#include "framework/text/LetterCase.h"

namespace {

std::vector<std::unique_ptr<TModuleEntry>>& Entries() {
  static std::vector<std::unique_ptr<TModuleEntry>> entries;
  return entries;
}

std::unique_ptr<TModuleEntry> LoadEntry(const TString& path) {
  HMODULE running = GetModuleHandleA(path.c_str());
  if (running != nullptr && running == GetModuleHandleA(nullptr)) {
    // The program itself: it outlives every cache.
    return std::make_unique<TModuleEntry>(running, kLoadedAsLibrary, path);
  }
  if (running != nullptr) {
    // Our own reference keeps it mapped even if its loader frees it.
    TModuleHandle module(LoadLibraryA(path.c_str()));
    if (module) return std::make_unique<TModuleEntry>(std::move(module), kLoadedAsLibrary, path);
  }
  TModuleHandle mapped(LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  if (!mapped) return nullptr;
  return std::make_unique<TModuleEntry>(std::move(mapped), kMappedAsData, path);
}

}  // namespace

bool TModuleEntry::IsProgram() const { return ToLowerLetters(ExtensionOf(path_)) == TString("exe"); }

TIconTable& TModuleEntry::Table() {
  if (!table_) table_ = std::make_unique<TIconTable>(module_);
  return *table_;
}

bool TModuleEntry::IsKnownAs(const TString& requested) const {
  for (const TString& spelling : spellings_) {
    if (spelling == requested) return true;
  }
  return false;
}

void TModuleEntry::AddSpelling(const TString& requested) {
  if (!IsKnownAs(requested)) spellings_.push_back(requested);
}

TModuleEntry* FindModuleEntry(const TString& path) {
  if (path.IsEmpty()) return nullptr;
  auto& entries = Entries();
  for (const auto& entry : entries) {
    if (entry->IsKnownAs(path)) return entry.get();
  }
  const TString canonical = LongPathForm(path);
  // The canonical form keeps the drive letter as written: "c:\" and "C:\"
  // must still find one module.
  for (const auto& entry : entries) {
    if (SamePathIgnoringCase(entry->Path(), canonical)) {
      entry->AddSpelling(path);
      return entry.get();
    }
  }
  std::unique_ptr<TModuleEntry> entry = LoadEntry(canonical);
  if (!entry) return nullptr;
  entry->AddSpelling(path);
  entries.push_back(std::move(entry));
  // Modules go together with the sources made from them, never before:
  // one release for both (it ignores a second registration).
  RegisterSharedRelease(ReleaseIconSources);
  return entries.back().get();
}

void ReleaseModuleEntries() {
  auto& entries = Entries();
  // Newest first, the reverse of loading.
  while (!entries.empty()) entries.pop_back();
}
