#!/usr/bin/env bash
# Takes the pictures of a shape: docs/shape.png (the demo shape built from
# elements), docs/shape-system-menu.png (its system menu with the position
# submenu open) and docs/shape-menu-help.png (a menu of its menu bar with the
# item's help text in the status bar). shapedemo.exe builds the shape.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
# The shape opens centred on the mouse cursor (it has no saved place yet);
# moving it from outside would leave Wine's idea of its position behind.
xdotool mousemove 190 150
(wine "$bin/shapedemo.exe" /seconds:60 </dev/null >/dev/null 2>&1 &)
window=$(wait_for_window --classname shapedemo.exe)
sleep 1
xdotool mousemove 700 600
framed=$(frame_geometry "$window")
crop_screen "$framed" "$STOWPANE_ROOT/docs/shape.png"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+space
sleep 1
xdotool key p  # the position submenu, by its accelerator
sleep 0.8
# The frame's corner, with room below and right for the menus.
crop_screen "560x330+${framed#*+}" "$shots/system.png"
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.5

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+f
sleep 1
xdotool key Down; sleep 0.3; xdotool key Down; sleep 0.8
crop_screen "$framed" "$STOWPANE_ROOT/docs/shape-menu-help.png"
cp "$shots/system.png" "$STOWPANE_ROOT/docs/shape-system-menu.png"
xdotool key Escape; sleep 0.2; xdotool key Escape
screenshots_done
echo "wrote docs/shape.png, docs/shape-system-menu.png, docs/shape-menu-help.png"
