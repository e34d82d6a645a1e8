#!/usr/bin/env bash
# Takes docs/tray-programs.png (notepad and winemine stored in Wine's own
# tray, each with its program's icon) and docs/give-back-menu.png (the small
# menu a stored window's icon opens when its own menus cannot be read, as
# under Wine for every other program), driving the tray as a user does.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
(wine notepad </dev/null >/dev/null 2>&1 &)
(wine winemine </dev/null >/dev/null 2>&1 &)
wait_for_window --classname notepad.exe >/dev/null
wait_for_window --classname winemine.exe >/dev/null
# Started as with the system: a start by the user would show its notice first.
(wine "$bin/Stowpane.exe" /restore </dev/null >/dev/null 2>&1 &)
wine "$bin/probe.exe" wait /class:ShapeClass /text:Stowpane /timeout:10000 </dev/null >/dev/null
tray=$(wait_for_window --name "Wine System Tray")

# The tray menu opens at once on the right button; its first item is the
# frontmost window that can be stored.
store_first_window() {
  xdotool windowraise "$tray"
  xdotool mousemove 13 32 sleep 0.3 click 3
  local menu
  menu=$(wait_for_window --classname Stowpane.exe)
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  xdotool mousemove "$((X + 40))" "$((Y + 11))" sleep 0.3 click 1
  sleep 1
}
store_first_window
store_first_window
xdotool windowraise "$tray"
# Over the last icon, so that its tip shows its window's title.
xdotool mousemove 300 500 sleep 0.3 mousemove 53 32
sleep 2
crop_screen 240x70+0+0 "$STOWPANE_ROOT/docs/tray-programs.png"

# A single left click opens the menu once the double-click time has passed.
xdotool mousemove 33 32 sleep 0.3 click 1
menu=$(wait_for_window --classname Stowpane.exe)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$menu")"
crop_screen "$((X + WIDTH + 8))x$((Y + HEIGHT + 8))+0+0" "$STOWPANE_ROOT/docs/give-back-menu.png"
xdotool key Escape
wine "$bin/probe.exe" command /class:ShapeClass /text:Stowpane 199 </dev/null >/dev/null || true
screenshots_done
echo "wrote docs/tray-programs.png, docs/give-back-menu.png"
