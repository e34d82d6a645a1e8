#!/usr/bin/env bash
# Sets everything up, builds Stowpane and starts it under Wine (on a virtual
# display when there is none). Returns when Stowpane exits.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/setup.sh" || exit 1
"$here/build.sh" win32 || exit 1
source "$here/wine-session.sh"
session_start || exit 1
echo "Stowpane is running on display $DISPLAY (Ctrl+C ends it and the Wine session)."
wine "$STOWPANE_BUILD/win32/Stowpane.exe" "$@" </dev/null
