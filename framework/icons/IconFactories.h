#pragma once
// Shared icon sources, one per key, made on first request and kept for the
// whole run. Callers never destroy what these return. Every factory returns a
// source (never null); what it cannot find ends in a stock icon or in the
// fallback the caller passes to GetIcon.
#include <windows.h>

#include "framework/icons/IconSource.h"
#include "framework/icons/pure/IconProbe.h"
#include "framework/icons/pure/ResourceName.h"
#include "framework/text/TString.h"

// Stock icon IDs the look-ups fall back on.
constexpr int kApplicationStockIcon = 32512;  // IDI_APPLICATION
constexpr int kWinLogoStockIcon = 32517;      // IDI_WINLOGO

// A system icon by IDI_ number.
TIconSource* StockIcon(int id);
// An icon resource of the program itself ("OK_ICON", ...), by exact name.
TIconSource* OwnResourceIcon(const TResourceName& name);
// The same by the resource's name as a text ("OK_ICON").
TIconSource* OwnResourceIcon(const char* name);
// An .ico file, by exact path.
TIconSource* IconFile(const TString& path);
// The shell's icon of an existing file or folder (case-insensitive path);
// the desktop and Start Menu folders get the shell's icons for them.
TIconSource* ShellFileIcon(const TString& path);
// The shell's icon for paths like this one, without reading the disk.
TIconSource* ShellTypeIcon(const TString& path);
// Icon `index` of a module: a position from 0, or -ID. An empty path or a
// module that cannot be loaded gives the stock IDI_WINLOGO; an ".ico" path
// the icon file.
TIconSource* ModuleIcon(const TString& path, int index);
// The icon a class such as "hlpfile" registers ("DefaultIcon"); looked up
// afresh each call, so a registration made later is seen.
TIconSource* ClassIcon(const TString& className);
// The icon of any path, found once per path (see FileIconPlan.h). Without a
// fallback the chain ends in IDI_WINLOGO; with one, in that source (null: no
// icon at all).
TIconSource* FileIcon(const TString& path);
TIconSource* FileIcon(const TString& path, TIconSource* fallback);

// The same three with the system's answers given by `probe` (tests watch
// which paths are touched through it).
TIconSource* ShellFileIcon(const TString& path, TIconProbe& probe);
TIconSource* ShellTypeIcon(const TString& path, TIconProbe& probe);
TIconSource* ResolveFileIcon(const TString& path, TIconSource* fallback, bool standardFallback,
                             TIconProbe& probe);

// Destroys every source and its icons, frees every module; the factories
// start afresh afterwards. Registered with RegisterSharedRelease.
void ReleaseIconSources();
