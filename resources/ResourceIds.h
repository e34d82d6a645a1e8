#pragma once
// Numeric resource IDs shared by the .rc file and the code.
#define IDM_TRAY_MENU 1
#define IDM_EMERGENCY_MENU 2
