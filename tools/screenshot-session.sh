# Sourced by the screenshot scripts: builds the Windows flavour, starts a Wine
# session on a private display (the pictures show nothing of the user's
# desktop) and gives the helpers they share. Each script ends with
# screenshots_done.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/build.sh" win32
source "$here/wine-session.sh"
unset DISPLAY
session_start
bin="$STOWPANE_BUILD/win32"
shots=$(mktemp -d)

# The first X window that `xdotool search --onlyvisible ARGUMENTS` finds,
# waiting up to ten seconds; fails when none appears.
wait_for_window() {
  local window=""
  for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible "$@" 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && { echo "$window"; return 0; }
    sleep 0.1
  done
  echo "$(basename "$0"): no window for $*" >&2
  return 1
}

# The screen as it is now, cut to GEOMETRY ("WxH+X+Y") into OUTPUT.
crop_screen() {  # geometry, output picture
  import -window root "$shots/full.png"
  convert "$shots/full.png" -crop "$1" +repage "$2"
}

# Where a window of the program is with the frame Wine draws around it
# (without a window manager the frame lies outside the X window), and EXTRA
# pixels more below it.
frame_geometry() {  # X window [extra]
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  echo "$((WIDTH + 16))x$((HEIGHT + 40 + ${2:-0}))+$((X - 8))+$((Y - 32))"
}

screenshots_done() {
  rm -rf "$shots"
  session_stop
}
