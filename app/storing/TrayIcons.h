#pragma once
// The tray icons: the application's own (id 4000) and one per stored window
// (ids from 5000), all owned by the main window, whose callback messages are
// WM_APP + id.
#include <windows.h>

#include <cstddef>

#include "framework/text/TString.h"

struct TStoredWindow;
class TIconSource;

constexpr UINT kApplicationIconId = 4000;
constexpr UINT kApplicationIconMessage = WM_APP + kApplicationIconId;
constexpr UINT kTrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

enum class TIconAction { Add, Modify, Delete };

// Each answers whether the taskbar carried the call out: an Add that failed is
// tried again at the ticks.
// Add and Modify show the tip "Stowpane" when `text` is empty.
bool UpdateApplicationIcon(TIconAction action, const TString& text = TString());
// The icon of a stored window: its 16 x 16 icon (the fallback's when it has
// none) and its title as tip. Add and Delete keep `record.iconShown` up to date.
bool UpdateTrayIcon(TStoredWindow& record, TIconAction action);
// The tip of the application icon for `storedCount` stored windows.
TString StoredCountText(size_t storedCount);
// The system's application icon, for windows that have none of their own.
TIconSource* FallbackIconSource();
