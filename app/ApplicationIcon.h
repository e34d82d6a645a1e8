#pragma once
// The application's own tray icon: id 4000, callback WM_APP + 4000.
#include <windows.h>

#include <cstddef>

#include "framework/util/TString.h"

constexpr UINT kApplicationIconId = 4000;
constexpr UINT kApplicationIconMessage = WM_APP + 4000;
constexpr UINT kTrayIconFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;

enum class TIconAction { Add, Modify, Delete };

// Add and Modify show the tip "Stowpane" when `text` is empty.
void UpdateApplicationIcon(TIconAction action, const TString& text = TString());
// The tip of the application icon for `storedCount` stored windows.
TString StoredCountText(size_t storedCount);
