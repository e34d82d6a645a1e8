#!/usr/bin/env bash
# Builds the Windows flavour and prints the figures of the benchmarks under
# Wine (tests/winbench): the timer tick with many stored windows, the tray
# menu's opening, a tick while a stored window hangs, one pass of the title
# rules, Stowpane.exe at rest for a minute, and its resources over 1,000
# store and restore cycles (longrun: it takes the taskbar over for the rest
# of the session, so it comes last). Figures for a person, not tests: the
# exit status is non-zero only when a benchmark could not run. About four
# minutes after the build.
#   tools/bench.sh [tick|menu|hung|scan|idle|longrun ...]     (default: all six)
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/setup.sh" || exit 1
"$here/build.sh" win32 || { echo "build of win32 failed"; exit 1; }
source "$here/wine-session.sh"

benches=("$@")
[ ${#benches[@]} -gt 0 ] || benches=(tick menu hung scan idle longrun)
session_start || { echo "the Wine session did not start"; exit 1; }
status=0
for name in "${benches[@]}"; do
  program="$STOWPANE_BUILD/win32/winbench_$name.exe"
  [ -f "$program" ] || { echo "bench.sh: no benchmark $name" >&2; status=1; continue; }
  # Every program the benchmark starts ends with it, so the pipe closes.
  wine "$program" </dev/null 2>&1 | tr -d '\r' || status=1
done
session_stop
exit $status
