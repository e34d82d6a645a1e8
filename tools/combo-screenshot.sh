#!/usr/bin/env bash
# Takes docs/combo.png: the demo shape's drop-down field with its list open,
# each entry's file icon beside its name. combodemo.exe builds the shape and,
# with /open, opens the first field's list by itself.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/build.sh" win32
source "$here/wine-session.sh"
unset DISPLAY  # a private display: the picture shows nothing of the user's desktop
session_start
shots=$(mktemp -d)
# The shape opens centred on the mouse cursor; the list needs room below it.
xdotool mousemove 250 200
(wine "$STOWPANE_BUILD/win32/combodemo.exe" /seconds:60 /open </dev/null >/dev/null 2>&1 &)
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --classname combodemo.exe 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "combo-screenshot: the demo did not appear" >&2; exit 1; }
# Away from the list, which would follow the mouse.
xdotool mousemove 900 700
# The list opens 0.3 s after the shape shows; the shell icons take a moment more.
sleep 2
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$shots/full.png"
convert "$shots/full.png" -crop "$((WIDTH + 16))x$((HEIGHT + 110))+$((X - 8))+$((Y - 32))" +repage \
  "$STOWPANE_ROOT/docs/combo.png"
rm -rf "$shots"
session_stop
echo "wrote docs/combo.png"
