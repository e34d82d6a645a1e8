#pragma once
// The process-wide lists behind the icon factories (IconFactories.h). Each
// source is made on its first request and lives until ReleaseIconSources,
// which the program's teardown calls through RegisterSharedRelease. Lists are
// searched linearly: a run asks for a few dozen sources. User-interface
// thread only.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/icons/IconSource.h"
#include "framework/icons/ModuleCache.h"
#include "framework/icons/pure/ResourceName.h"
#include "framework/text/TString.h"

class TFileIcon;

struct TIconCaches {
  template <class Key>
  struct Entry {
    Key key;
    TIconSource* source;
  };
  struct ModuleKey {
    TModuleEntry* module;
    int index;
    bool operator==(const ModuleKey& other) const {
      return module == other.module && index == other.index;
    }
  };
  struct FileKey {
    TString foldedPath;
    bool standardFallback;  // the stock end of the chain rather than `fallback`
    TIconSource* fallback;
    bool operator==(const FileKey& other) const {
      return foldedPath == other.foldedPath && standardFallback == other.standardFallback &&
             fallback == other.fallback;
    }
  };

  std::vector<Entry<int>> stock;
  std::vector<Entry<TResourceName>> resources;
  std::vector<Entry<TString>> iconFiles;   // exact path
  std::vector<Entry<TString>> shellFiles;  // folded path
  std::vector<Entry<TString>> shellTypes;  // folded path
  std::vector<Entry<ModuleKey>> modules;
  std::vector<Entry<FileKey>> files;       // always TFileIcon
  TIconSource* desktopFolderIcon = nullptr;
  TIconSource* startMenuFolderIcon = nullptr;
  // The folders those two stand for, asked once per run.
  bool foldersKnown = false;
  TString desktopFolder;
  TString startMenuFolder;

  // Every source of the lists, in order of creation.
  std::vector<std::unique_ptr<TIconSource>> owned;
};

// The caches, with their release registered.
TIconCaches& IconCaches();
// Takes `source` into the caches; returns it.
TIconSource* KeepIconSource(std::unique_ptr<TIconSource> source);

template <class Key>
TIconSource* FindCached(const std::vector<TIconCaches::Entry<Key>>& list, const Key& key) {
  for (const auto& entry : list) {
    if (entry.key == key) return entry.source;
  }
  return nullptr;
}
