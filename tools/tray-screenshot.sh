#!/usr/bin/env bash
# Takes docs/tray.png: Stowpane's icons in Wine's system tray with their
# Japanese tool tips. traydemo.exe fills the tray through the program's own
# tray code (application icon with its count, two stored windows).
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
(wine "$bin/traydemo.exe" 30 </dev/null >/dev/null 2>&1 &)
sleep 4
# Without a window manager the tray window sits at the top left; its first
# icon is at about (13, 32), the next ones 20 pixels apart.
i=0
for x in 13 33 53; do
  xdotool mousemove 300 400; sleep 0.5
  xdotool mousemove "$x" 32; sleep 2
  crop_screen 380x70+0+0 "$shots/part$i.png"
  i=$((i + 1))
done
convert "$shots"/part*.png -append "$STOWPANE_ROOT/docs/tray.png"
screenshots_done
echo "wrote docs/tray.png"
