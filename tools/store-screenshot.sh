#!/usr/bin/env bash
# Takes docs/tray-menu.png (the tray menu listing windows with their icons)
# and docs/stored-system-menu.png (a stored window's system menu opened from
# its icon: Restore in bold, what would show the window grayed) from
# storedemo.exe; and docs/version.png, the version window of Stowpane.exe.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/build.sh" win32
source "$here/wine-session.sh"
unset DISPLAY  # a private display: the pictures show nothing of the user's desktop
session_start
shots=$(mktemp -d)
for kind in tray system; do
  (wine "$STOWPANE_BUILD/win32/storedemo.exe" "$kind" 40 40 8 </dev/null >/dev/null 2>&1 &)
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
  import -window root "$shots/full.png"
  name=$([ "$kind" = tray ] && echo tray-menu || echo stored-system-menu)
  convert "$shots/full.png" -crop "$((WIDTH + 8))x$((HEIGHT + 8))+$((X - 4))+$((Y - 4))" +repage \
    "$STOWPANE_ROOT/docs/$name.png"
  # The demo ends on its own after its seconds.
  for _ in $(seq 1 150); do pgrep -f storedemo.exe >/dev/null || break; sleep 0.1; done
done
probe="$STOWPANE_BUILD/win32/probe.exe"
(wine "$STOWPANE_BUILD/win32/Stowpane.exe" </dev/null >/dev/null 2>&1 &)
wine "$probe" wait /class:ShapeClass /text:Stowpane /timeout:10000 </dev/null >/dev/null
wine "$probe" command /class:ShapeClass /text:Stowpane 905 </dev/null >/dev/null
window=""
for _ in $(seq 1 100); do
  window=$(xdotool search --onlyvisible --classname Stowpane.exe 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "store-screenshot: the version window did not open" >&2; exit 1; }
sleep 1
eval "$(xdotool getwindowgeometry --shell "$window")"
import -window root "$shots/full.png"
convert "$shots/full.png" -crop "$((WIDTH + 16))x$((HEIGHT + 40))+$((X - 8))+$((Y - 32))" +repage \
  "$STOWPANE_ROOT/docs/version.png"
wine "$probe" command /class:ShapeClass /text:Stowpane 199 </dev/null >/dev/null || true
rm -rf "$shots"
session_stop
echo "wrote docs/tray-menu.png, docs/stored-system-menu.png, docs/version.png"
