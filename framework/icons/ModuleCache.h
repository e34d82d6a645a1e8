#pragma once
// The executables and libraries whose icons the program shows, each loaded
// once per run and kept until the icon caches are released. A module already
// running in this process is referenced as a library; any other file is
// mapped as data, so no code of it ever runs here.
#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "framework/base/Owners.h"
#include "framework/icons/IconTable.h"
#include "framework/text/TString.h"

constexpr int kMappedAsData = 0;      // LoadLibraryExA with LOAD_LIBRARY_AS_DATAFILE
constexpr int kLoadedAsLibrary = 1;   // LoadLibraryA: a reference to a module already loaded

class TModuleEntry {
 public:
  // A module this program loaded: the entry frees it.
  TModuleEntry(TModuleHandle module, int loadMode, const TString& path)
      : module_(module.Get()), loaded_(std::move(module)), loadMode_(loadMode), path_(path) {}
  // A module borrowed for the whole run (the program itself): never freed.
  TModuleEntry(HMODULE borrowed, int loadMode, const TString& path)
      : module_(borrowed), loadMode_(loadMode), path_(path) {}
  TModuleEntry(const TModuleEntry&) = delete;
  TModuleEntry& operator=(const TModuleEntry&) = delete;

  HMODULE Handle() const { return module_; }
  // A borrowed handle was given to us and is never freed.
  bool Borrowed() const { return !loaded_; }
  int LoadMode() const { return loadMode_; }
  // The canonical long form of the module's path.
  const TString& Path() const { return path_; }
  // A program (".exe") stands for itself with the application icon when it
  // has none of its own.
  bool IsProgram() const;
  TIconTable& Table();

  // Spellings callers used for this module, so that a repeated request
  // finds it without asking the file system for the canonical form again.
  bool IsKnownAs(const TString& requested) const;
  void AddSpelling(const TString& requested);

 private:
  std::vector<TString> spellings_;
  HMODULE module_;
  // Declared before the table, so that the icons go first and then the
  // module they were made from.
  TModuleHandle loaded_;
  std::unique_ptr<TIconTable> table_;
  int loadMode_;
  TString path_;
};

// The entry for `path`, loading the module on first use; null when it cannot
// be loaded (nothing is remembered then, so a file that appears later is found).
TModuleEntry* FindModuleEntry(const TString& path);
// Frees every table and module. Part of ReleaseIconSources, which runs it
// after the sources that use the tables are gone.
void ReleaseModuleEntries();
