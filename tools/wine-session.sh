# One Wine session for a whole run: a display, a warm wineserver and a win32
# prefix in the Japanese locale. Sourced by start.sh and test.sh.
# Every Wine process of a run must share one wineserver on one display, and
# the first Wine process's stdio is inherited by Wine's services, so the
# session is started here with all output on /dev/null.
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

STOWPANE_XVFB_PID=""

session_start_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n=90
  while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  STOWPANE_XVFB_PID=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  echo "wine-session: Xvfb did not start" >&2
  return 1
}

session_make_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "wine-session: creating the prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >/dev/null 2>&1 || true
  fi
  # Without a window manager, hiding another process's window waits 2 s.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  if [ -f /usr/share/wine/fonts/marlett.ttf ] && [ ! -f "$fonts/marlett.ttf" ]; then
    mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
  fi
}

session_start() {
  # Wine takes its ANSI code page from the Unix locale: both are needed for 932.
  export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
  session_start_display || return 1
  # wineserver runs inside the prefix folder: it must exist before the prefix is made.
  mkdir -p "$WINEPREFIX"
  wineserver -p120 </dev/null >/dev/null 2>&1
  session_make_prefix
  # The session's start runs the Startup folder: a shortcut that a copy of
  # Stowpane left there (a killed copy keeps it, as it should) would start a
  # copy with the session, and the copy a test or start.sh starts would end
  # at once as a second one. The prefix is ours alone.
  rm -f "$WINEPREFIX"/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/StartUp/Stowpane*.lnk
  wine wineboot </dev/null >/dev/null 2>&1 || true
  trap session_stop EXIT
  # A signal ends the script through exit, so the session is stopped too.
  trap 'exit 130' INT TERM
}

session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "$STOWPANE_XVFB_PID" ]; then
    kill "$STOWPANE_XVFB_PID" 2>/dev/null || true
    wait "$STOWPANE_XVFB_PID" 2>/dev/null || true
    STOWPANE_XVFB_PID=""
  fi
}
