#!/usr/bin/env bash
# Takes the pictures of the auto-iconize settings from autoicondemo.exe:
# docs/autoicon.png (the dialog with three rules), docs/autoicon-editing.png
# (a rule edited in place), docs/autoicon-error.png (a duplicate refused),
# docs/autoicon-menu.png (the list's context menu), docs/autoicon-off.png
# (the switch off, everything below it disabled) and docs/autoicon-samekeys.png
# (one key for both actions refused).
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"

# The box around every visible window of the demo (the dialog, its message,
# its menu). Without a window manager Wine draws the frames itself, inside
# the X windows.
crop_demo() {  # output picture
  local left=100000 top=100000 right=0 bottom=0 window
  for window in $(xdotool search --onlyvisible --classname autoicondemo.exe 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    [ "$WIDTH" -gt 40 ] || continue
    [ "$X" -lt "$left" ] && left=$X
    [ "$Y" -lt "$top" ] && top=$Y
    [ $((X + WIDTH)) -gt "$right" ] && right=$((X + WIDTH))
    [ $((Y + HEIGHT)) -gt "$bottom" ] && bottom=$((Y + HEIGHT))
  done
  [ "$right" -gt 0 ] || { echo "autoicon-screenshot: nothing to take for $1" >&2; return 1; }
  crop_screen "$((right - left))x$((bottom - top))+$left+$top" "$1"
}

wait_windows() {  # count of visible windows to wait for
  for _ in $(seq 1 100); do
    [ "$(xdotool search --onlyvisible --classname autoicondemo.exe 2>/dev/null | wc -l)" -ge "$1" ] && return 0
    sleep 0.1
  done
  echo "autoicon-screenshot: the demo did not show $1 window(s)" >&2
  return 1
}

take() {  # mode, windows to wait for, output picture
  xdotool mousemove 1000 750
  (wine "$bin/autoicondemo.exe" "$1" /seconds:6 </dev/null >/dev/null 2>&1 &)
  wait_windows "$2"
  sleep 1.5
  crop_demo "$STOWPANE_ROOT/docs/$3"
  # The demo ends by itself; the next one starts on a clean screen.
  for _ in $(seq 1 200); do
    pgrep -f autoicondemo.exe >/dev/null || break
    sleep 0.1
  done
}

take rules 1 autoicon.png
take editing 1 autoicon-editing.png
take error 2 autoicon-error.png
take menu 2 autoicon-menu.png
take off 1 autoicon-off.png
take samekeys 2 autoicon-samekeys.png
screenshots_done
echo "wrote docs/autoicon.png, docs/autoicon-editing.png, docs/autoicon-error.png, docs/autoicon-menu.png," \
  "docs/autoicon-off.png, docs/autoicon-samekeys.png"
