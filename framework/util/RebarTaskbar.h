#pragma once
// Whether the taskbar is the rebar kind (a "ReBarWindow32" band host inside
// "Shell_TrayWnd"). Asked once per process: the answer describes the shell the
// program started under and stays even if the taskbar is restarted.
bool HasRebarTaskbar();
