#pragma once
// The stored windows as the registry keeps them, so that a copy started after
// a crash can take them over: under "TrayIcon", one REG_DWORD per stored
// window, named by its icon id, holding its handle. Each access opens and
// closes the key; failures are silent (a lost value only means the window
// cannot be taken over after a crash).
#include <windows.h>

#include <vector>

#include "app/storing/pure/TakeOverPlan.h"

void WriteTrayIconValue(int iconId, HWND window);
void DeleteTrayIconValue(int iconId);
// Whether a value of that id is kept, of any type.
bool TrayIconValueExists(int iconId);
// Forgets every stored window of a previous run.
void DeleteAllTrayIconValues();
// Every value in the order the registry lists them, with its handle (0 for
// a value that is no DWORD); nothing is deleted.
std::vector<TKeptValue> ReadTrayIconValues();
// Carries out a take-over's writes and deletions in their order, up to the
// first write that fails: the deletions after it may count on it. False then,
// or when the key could not be opened; every value left names what it did.
bool ApplyTrayIconSteps(const std::vector<TValueStep>& steps);
