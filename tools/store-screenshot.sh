#!/usr/bin/env bash
# Takes docs/tray-menu.png (the tray menu listing windows with their icons)
# and docs/stored-system-menu.png (a stored window's system menu opened from
# its icon: Restore in bold, what would show the window grayed) from
# storedemo.exe; and docs/version.png, the version window of Stowpane.exe.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
for kind in tray system; do
  (wine "$bin/storedemo.exe" "$kind" 40 40 8 </dev/null >/dev/null 2>&1 &)
  menu=""
  for _ in $(seq 1 100); do
    menu=$(xdotool search --onlyvisible --classname storedemo.exe 2>/dev/null | while read -r w; do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      [ "$X" -le 45 ] && [ "$Y" -le 45 ] && [ "$WIDTH" -gt 50 ] && echo "$w"
    done | head -n 1 || true)
    [ -n "$menu" ] && break
    sleep 0.1
  done
  [ -n "$menu" ] || { echo "store-screenshot: the $kind menu did not open" >&2; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$menu")"
  name=$([ "$kind" = tray ] && echo tray-menu || echo stored-system-menu)
  crop_screen "$((WIDTH + 8))x$((HEIGHT + 8))+$((X - 4))+$((Y - 4))" "$STOWPANE_ROOT/docs/$name.png"
  # The demo ends on its own after its seconds.
  for _ in $(seq 1 150); do pgrep -f storedemo.exe >/dev/null || break; sleep 0.1; done
done
probe="$bin/probe.exe"
# Started as with the system: a start by the user would show its notice first.
(wine "$bin/Stowpane.exe" /restore </dev/null >/dev/null 2>&1 &)
wine "$probe" wait /class:ShapeClass /text:Stowpane /timeout:10000 </dev/null >/dev/null
wine "$probe" command /class:ShapeClass /text:Stowpane 905 </dev/null >/dev/null
window=$(wait_for_window --classname Stowpane.exe)
sleep 1
crop_screen "$(frame_geometry "$window")" "$STOWPANE_ROOT/docs/version.png"
wine "$probe" command /class:ShapeClass /text:Stowpane 199 </dev/null >/dev/null || true
screenshots_done
echo "wrote docs/tray-menu.png, docs/stored-system-menu.png, docs/version.png"
