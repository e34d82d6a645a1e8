#!/usr/bin/env bash
# Takes docs/end-windows.png (the choice of how to end Windows),
# docs/force-exit.png (the warning before a forced exit), docs/run-file.png
# (the run-file message) and docs/run-file-list.png (the same with its list of
# earlier texts open) from curedemo.exe, whose exit and run calls only print.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
capture_window() {  # window title, output picture[, extra height below the window]
  local window
  window=$(wait_for_window --name "^$1\$")
  sleep 1  # the first paint of the icons and controls
  crop_screen "$(frame_geometry "$window" "${3:-0}")" "$2"
  xdotool windowfocus --sync "$window" key Escape || true
}
xdotool mousemove 300 250
(wine "$bin/curedemo.exe" end </dev/null >/dev/null 2>&1 &)
capture_window "Windows の終了" "$STOWPANE_ROOT/docs/end-windows.png"
sleep 1
(wine "$bin/curedemo.exe" force </dev/null >/dev/null 2>&1 &)
capture_window "Windows の終了 - 強制終了" "$STOWPANE_ROOT/docs/force-exit.png"
sleep 1
(wine "$bin/curedemo.exe" run </dev/null >/dev/null 2>&1 &)
capture_window "ﾌｧｲﾙ名を指定して実行" "$STOWPANE_ROOT/docs/run-file.png"
sleep 1
(wine "$bin/curedemo.exe" run-list </dev/null >/dev/null 2>&1 &)
capture_window "ﾌｧｲﾙ名を指定して実行" "$STOWPANE_ROOT/docs/run-file-list.png" 70
screenshots_done
echo "wrote docs/end-windows.png, docs/force-exit.png, docs/run-file.png, docs/run-file-list.png"
