#!/usr/bin/env bash
# Takes docs/emergency.png (the emergency window after the taskbar died, a
# menu of its menu bar open with an item's help in the status bar),
# docs/notice-standby.png (the standby notice) and docs/notice-register.png
# (the notice of a start by the user) from Stowpane.exe, with faketaskbar.exe
# as the taskbar that dies.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
probe() { wine "$bin/probe.exe" "$@" </dev/null; }
app='Software\Quillon\Stowpane\3.x'
probe regdelkey "$app" >/dev/null || true
probe regset "$app" PeriodicTimer /dword:300 >/dev/null
# The first picture wants no notice in the way.
probe regset "$app\\WithoutStereotype" Register /dword:1 >/dev/null
probe regset "$app\\WithoutStereotype" Unregister /dword:1 >/dev/null

visible_window() { wait_for_window --classname Stowpane.exe; }
capture() { crop_screen "$(frame_geometry "$1")" "$2"; }  # X window, output picture

(wine "$bin/faketaskbar.exe" /takeover </dev/null >/dev/null 2>&1 &)
probe wait /class:Shell_TrayWnd /timeout:10000 >/dev/null
(wine "$bin/Stowpane.exe" </dev/null >/dev/null 2>&1 &)
probe wait /class:ShapeClass /text:Stowpane /timeout:10000 >/dev/null
sleep 1
pkill -f faketaskbar.exe || true
window=$(visible_window)
sleep 1
xdotool windowfocus --sync "$window" key alt+f
sleep 0.5
xdotool key Down Down
sleep 1
# The open menu is a window of its own: the picture takes the screen around both.
capture "$window" "$STOWPANE_ROOT/docs/emergency.png"
xdotool key Escape Escape

main_window() {  # the Win32 handle of the main window: the shape without an owner
  probe find /class:ShapeClass | grep 'owner=0x00000000' | sed -n 's/.*hwnd=\(0x[0-9a-f]*\).*/\1/p' | head -n 1
}
# A taskbar again: the emergency window can be closed, and the notices are alone on screen.
(wine "$bin/faketaskbar.exe" </dev/null >/dev/null 2>&1 &)
probe wait /class:Shell_TrayWnd /timeout:10000 >/dev/null
sleep 1
main=$(main_window)
probe command "/hwnd:$main" 110 >/dev/null
sleep 1
probe command "/hwnd:$main" 109 >/dev/null
sleep 1
capture "$(visible_window)" "$STOWPANE_ROOT/docs/notice-standby.png"
probe post /class:ShapeClass /text:Stowpane 0x0111 1 >/dev/null 2>&1 || true
xdotool key Return
sleep 1
probe command "/hwnd:$main" 199 >/dev/null
probe wait "/hwnd:$main" /gone /timeout:10000 >/dev/null || true

probe regdel "$app\\WithoutStereotype" Register >/dev/null
(wine "$bin/Stowpane.exe" </dev/null >/dev/null 2>&1 &)
sleep 2
capture "$(visible_window)" "$STOWPANE_ROOT/docs/notice-register.png"
xdotool key Return
sleep 1
main=$(main_window)
probe command "/hwnd:$main" 199 >/dev/null
sleep 1
pkill -f faketaskbar.exe || true
screenshots_done
echo "wrote docs/emergency.png, docs/notice-standby.png, docs/notice-register.png"
