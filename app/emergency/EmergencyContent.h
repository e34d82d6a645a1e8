#pragma once
// What the main window shows when it becomes the emergency window: why it
// appeared, what to do, and a button that ends Windows; and the icons of its
// menu bar.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/window/menus/IconMenu.h"

class TShape;

void AddEmergencyContent(TShape& shape);
// One icon menu per drop-down menu of `bar`; the bar itself stays plain.
std::vector<std::unique_ptr<TIconMenu>> MakeEmergencyMenuIcons(HMENU bar);
