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
# Wine's font links name Windows' Korean fonts: a free one stands in, so that
# titles in Hangul show in the pictures as Windows shows them. Only here: the
# tests and benchmarks run on the prefix as Wine makes it.
korean_fonts=(Gulim GulimChe "Malgun Gothic")
for korean in "${korean_fonts[@]}"; do
  wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$korean" /d NanumGothic /f </dev/null >/dev/null 2>&1
done
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
  local korean
  for korean in "${korean_fonts[@]}"; do
    wine reg delete 'HKCU\Software\Wine\Fonts\Replacements' /v "$korean" /f </dev/null >/dev/null 2>&1 || true
  done
  session_stop
}
