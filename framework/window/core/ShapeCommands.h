#pragma once
// The commands every shape adds to its system menu (the keyboard reaches two
// of them as Alt+F5 and Alt+F3), and the command of its context-help popup.
#include <windows.h>

constexpr UINT kAlwaysOnTopCommand = 0xF666;
constexpr UINT kCentreCommand = 0xF667;
constexpr UINT kAtCursorCommand = 0xF668;
constexpr UINT kThisPositionCommand = 0xF669;
constexpr UINT kTranslucentCommand = 0xF66C;
constexpr int kContextHelpCommand = 9999;
