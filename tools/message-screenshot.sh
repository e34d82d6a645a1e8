#!/usr/bin/env bash
# Takes docs/message-iconic.png and docs/message-restore.png (the questions
# about a window that does not answer), docs/message-overwrite.png (a warning with the don't-show-again box), and
# docs/icon-menu.png (the tray menu drawn as an icon menu), from
# messagedemo.exe and menudemo.exe.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
capture_window() {  # class name of the program, output picture
  local window
  window=$(wait_for_window --classname "$1")
  sleep 1
  crop_screen "$(frame_geometry "$window")" "$2"
  xdotool windowfocus --sync "$window" key Escape || true
}
for kind in iconic restore overwrite hotkey; do
  xdotool mousemove 300 250
  (wine "$bin/messagedemo.exe" "$kind" </dev/null >/dev/null 2>&1 &)
  capture_window messagedemo.exe "$STOWPANE_ROOT/docs/message-$kind.png"
  sleep 1
done
(wine "$bin/menudemo.exe" 40 40 8 </dev/null >/dev/null 2>&1 &)
sleep 4
crop_screen 300x260+30+30 "$STOWPANE_ROOT/docs/icon-menu.png"
screenshots_done
echo "wrote docs/message-iconic.png, docs/message-restore.png, docs/message-overwrite.png," \
  "docs/message-hotkey.png, docs/icon-menu.png"
