#!/usr/bin/env bash
# Takes docs/message-iconic.png and docs/message-restore.png (the questions
# about a window that does not answer), docs/message-overwrite.png (a warning with the don't-show-again box), and
# docs/icon-menu.png (the tray menu drawn as an icon menu), from
# messagedemo.exe and menudemo.exe.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/build.sh" win32
source "$here/wine-session.sh"
unset DISPLAY  # a private display: the pictures show nothing of the user's desktop
session_start
shots=$(mktemp -d)
capture_window() {  # class name of the program, output picture
  local window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --classname "$1" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "message-screenshot: $1 did not appear" >&2; return 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root "$shots/full.png"
  convert "$shots/full.png" -crop "$((WIDTH + 16))x$((HEIGHT + 40))+$((X - 8))+$((Y - 32))" +repage "$2"
  xdotool windowfocus --sync "$window" key Escape || true
}
for kind in iconic restore overwrite; do
  xdotool mousemove 300 250
  (wine "$STOWPANE_BUILD/win32/messagedemo.exe" "$kind" </dev/null >/dev/null 2>&1 &)
  capture_window messagedemo.exe "$STOWPANE_ROOT/docs/message-$kind.png"
  sleep 1
done
(wine "$STOWPANE_BUILD/win32/menudemo.exe" 40 40 8 </dev/null >/dev/null 2>&1 &)
sleep 4
import -window root "$shots/full.png"
convert "$shots/full.png" -crop 300x260+30+30 +repage "$STOWPANE_ROOT/docs/icon-menu.png"
rm -rf "$shots"
session_stop
echo "wrote docs/message-iconic.png, docs/message-restore.png, docs/message-overwrite.png, docs/icon-menu.png"
