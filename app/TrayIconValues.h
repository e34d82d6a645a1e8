#pragma once
// The stored windows as the registry keeps them, so that a copy started after
// a crash can take them over: under "TrayIcon", one REG_DWORD per stored
// window, named by its icon id, holding its handle. Each access opens and
// closes the key; failures are silent (a lost value only means the window
// cannot be taken over after a crash).
#include <windows.h>

#include <vector>

void WriteTrayIconValue(int iconId, HWND window);
void DeleteTrayIconValue(int iconId);
// Whether a value of that id is kept, of any type.
bool TrayIconValueExists(int iconId);
// Forgets every stored window of a previous run.
void DeleteAllTrayIconValues();
// The handles of every value in the order the registry lists them (null for
// a value that is no DWORD), after which every value is deleted.
std::vector<HWND> TakeTrayIconValues();
