#!/usr/bin/env bash
# Takes docs/tray.png: Stowpane's icons in Wine's system tray with their
# Japanese tool tips. traydemo.exe fills the tray through the program's own
# tray code (application icon with its count, two stored windows).
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/build.sh" win32
source "$here/wine-session.sh"
unset DISPLAY  # a private display: the screenshot shows nothing of the user's desktop
session_start
shots=$(mktemp -d)
(wine "$STOWPANE_BUILD/win32/traydemo.exe" 30 </dev/null >/dev/null 2>&1 &)
sleep 4
# Without a window manager the tray window sits at the top left; its first
# icon is at about (13, 32), the next ones 20 pixels apart.
i=0
for x in 13 33 53; do
  xdotool mousemove 300 400; sleep 0.5
  xdotool mousemove "$x" 32; sleep 2
  import -window root "$shots/full$i.png"
  convert "$shots/full$i.png" -crop 380x70+0+0 +repage "$shots/part$i.png"
  i=$((i + 1))
done
convert "$shots"/part*.png -append "$STOWPANE_ROOT/docs/tray.png"
rm -rf "$shots"
session_stop
echo "wrote docs/tray.png"
