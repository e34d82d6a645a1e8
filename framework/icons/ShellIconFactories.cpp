// The shell's icons of files, folders and types, with the two folders the
// shell draws with icons of their own.
#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "framework/icons/IconCaches.h"
#include "framework/icons/IconFactories.h"
#include "framework/icons/ShellFileIcon.h"
#include "framework/icons/ShellTypeIcon.h"
#include "framework/icons/SystemIconProbe.h"
#include "framework/icons/pure/ShellIconPlan.h"
#include "framework/path/SpecialFolder.h"
#include "framework/path/SystemFolders.h"
#include "framework/path/pure/CaseFoldedPath.h"

namespace {

constexpr int kDesktopFolderIconId = 35;
constexpr int kStartMenuFolderIconId = 37;

void LearnFolders(TIconCaches& caches) {
  if (caches.foldersKnown) return;
  caches.foldersKnown = true;
  caches.desktopFolder = SpecialFolder(CSIDL_DESKTOP);
  caches.startMenuFolder = SpecialFolder(CSIDL_STARTMENU);
}

TIconSource* ShellLibraryIcon(TIconSource*& slot, int id) {
  if (slot == nullptr) slot = ModuleIcon(SystemFolder() + TString("SHELL32.DLL"), -id);
  return slot;
}

template <class Source>
TIconSource* ShellIcon(const TString& path, bool byType, TIconProbe& probe,
                       std::vector<TIconCaches::Entry<TString>> TIconCaches::*list) {
  TIconCaches& caches = IconCaches();
  LearnFolders(caches);
  switch (PlanShellIcon(path, byType, caches.desktopFolder, caches.startMenuFolder, probe)) {
    case TShellIconChoice::Desktop:
      return ShellLibraryIcon(caches.desktopFolderIcon, kDesktopFolderIconId);
    case TShellIconChoice::StartMenu:
      return ShellLibraryIcon(caches.startMenuFolderIcon, kStartMenuFolderIconId);
    case TShellIconChoice::Plain:
      break;
  }
  const TString key = FoldedPath(path);
  auto& entries = caches.*list;
  if (TIconSource* found = FindCached(entries, key)) return found;
  TIconSource* kept = KeepIconSource(std::make_unique<Source>(path));
  entries.push_back({key, kept});
  return kept;
}

}  // namespace

TIconSource* ShellFileIcon(const TString& path, TIconProbe& probe) {
  return ShellIcon<TShellFileIcon>(path, false, probe, &TIconCaches::shellFiles);
}

TIconSource* ShellTypeIcon(const TString& path, TIconProbe& probe) {
  return ShellIcon<TShellTypeIcon>(path, true, probe, &TIconCaches::shellTypes);
}

TIconSource* ShellFileIcon(const TString& path) { return ShellFileIcon(path, SystemIconProbe()); }

TIconSource* ShellTypeIcon(const TString& path) { return ShellTypeIcon(path, SystemIconProbe()); }
