#!/usr/bin/env bash
# Takes the pictures of a shape: docs/shape.png (the demo shape built from
# elements), docs/shape-system-menu.png (its system menu with the position
# submenu open) and docs/shape-menu-help.png (a menu of its menu bar with the
# item's help text in the status bar). shapedemo.exe builds the shape.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/build.sh" win32
source "$here/wine-session.sh"
unset DISPLAY  # a private display: the pictures show nothing of the user's desktop
session_start
shots=$(mktemp -d)
# The shape opens centred on the mouse cursor (it has no saved place yet);
# moving it from outside would leave Wine's idea of its position behind.
xdotool mousemove 190 150
(wine "$STOWPANE_BUILD/win32/shapedemo.exe" /seconds:60 </dev/null >/dev/null 2>&1 &)
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --classname shapedemo.exe 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "shape-screenshot: the demo did not appear" >&2; exit 1; }
sleep 1
xdotool mousemove 700 600
eval "$(xdotool getwindowgeometry --shell "$window")"
# The window with its frame, and room below and right for the menus.
crop() { convert "$shots/full.png" -crop "$1" +repage "$2"; }
import -window root "$shots/full.png"
crop "$((WIDTH + 16))x$((HEIGHT + 40))+$((X - 8))+$((Y - 32))" "$STOWPANE_ROOT/docs/shape.png"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+space
sleep 1
xdotool key p  # the position submenu, by its accelerator
sleep 0.8
import -window root "$shots/full.png"
crop "560x330+$((X - 8))+$((Y - 32))" "$shots/system.png"
xdotool key Escape; sleep 0.3; xdotool key Escape; sleep 0.5

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers alt+f
sleep 1
xdotool key Down; sleep 0.3; xdotool key Down; sleep 0.8
import -window root "$shots/full.png"
crop "$((WIDTH + 16))x$((HEIGHT + 40))+$((X - 8))+$((Y - 32))" "$STOWPANE_ROOT/docs/shape-menu-help.png"
cp "$shots/system.png" "$STOWPANE_ROOT/docs/shape-system-menu.png"
xdotool key Escape; sleep 0.2; xdotool key Escape
rm -rf "$shots"
session_stop
echo "wrote docs/shape.png, docs/shape-system-menu.png, docs/shape-menu-help.png"
