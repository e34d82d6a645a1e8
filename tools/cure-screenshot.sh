#!/usr/bin/env bash
# Takes docs/end-windows.png (the choice of how to end Windows),
# docs/force-exit.png (the warning before a forced exit), docs/run-file.png
# (the run-file message) and docs/run-file-list.png (the same with its list of
# earlier texts open) from curedemo.exe, whose exit and run calls only print.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/build.sh" win32
source "$here/wine-session.sh"
unset DISPLAY  # a private display: the pictures show nothing of the user's desktop
session_start
shots=$(mktemp -d)
capture_window() {  # window title, output picture[, extra height below the window]
  local window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "cure-screenshot: \"$1\" did not appear" >&2; return 1; }
  sleep 1  # the first paint of the icons and controls
  eval "$(xdotool getwindowgeometry --shell "$window")"
  import -window root "$shots/full.png"
  convert "$shots/full.png" -crop "$((WIDTH + 16))x$((HEIGHT + 40 + ${3:-0}))+$((X - 8))+$((Y - 32))" +repage "$2"
  xdotool windowfocus --sync "$window" key Escape || true
}
xdotool mousemove 300 250
(wine "$STOWPANE_BUILD/win32/curedemo.exe" end </dev/null >/dev/null 2>&1 &)
capture_window "Windows の終了" "$STOWPANE_ROOT/docs/end-windows.png"
sleep 1
(wine "$STOWPANE_BUILD/win32/curedemo.exe" force </dev/null >/dev/null 2>&1 &)
capture_window "Windows の終了 - 強制終了" "$STOWPANE_ROOT/docs/force-exit.png"
sleep 1
(wine "$STOWPANE_BUILD/win32/curedemo.exe" run </dev/null >/dev/null 2>&1 &)
capture_window "ﾌｧｲﾙ名を指定して実行" "$STOWPANE_ROOT/docs/run-file.png"
sleep 1
(wine "$STOWPANE_BUILD/win32/curedemo.exe" run-list </dev/null >/dev/null 2>&1 &)
capture_window "ﾌｧｲﾙ名を指定して実行" "$STOWPANE_ROOT/docs/run-file-list.png" 70
rm -rf "$shots"
session_stop
echo "wrote docs/end-windows.png, docs/force-exit.png, docs/run-file.png, docs/run-file-list.png"
