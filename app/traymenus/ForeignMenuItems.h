#pragma once
// Owner-drawn items of another program's menus, shown by their text. That
// program cannot draw into a menu of ours (a device context belongs to one
// process), and a 64-bit program would get its item data back cut to 32
// bits: it is never asked to measure or draw, and the item keeps its command.
#include <windows.h>

#include "framework/text/TString.h"

// The item's own string, or "(項目)" when it has none.
TString ForeignItemText(HMENU menu, UINT item, UINT byCommandOrPosition);
// The item `measure.itemID` somewhere in the menus under `root`.
void MeasureForeignItem(HMENU root, MEASUREITEMSTRUCT& measure);
void DrawForeignItem(const DRAWITEMSTRUCT& draw);
