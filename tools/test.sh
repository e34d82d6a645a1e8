#!/usr/bin/env bash
# Sets everything up and runs the whole test suite: the pure code natively
# under the sanitizers, the fuzz targets, then every Windows test under one
# Wine session (unit tests and end-to-end tests against Stowpane.exe).
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/setup.sh" || exit 1
source "$here/wine-session.sh"

cd "$STOWPANE_ROOT"
stamp="$STOWPANE_BUILD/run-start"
mkdir -p "$STOWPANE_BUILD" && touch "$stamp"
status=0
for flavour in host fuzz win32; do
  echo "== building $flavour"
  "$here/build.sh" "$flavour" || { echo "build of $flavour failed"; exit 1; }
done

run_ctest() {  # flavour, extra ctest arguments
  local flavour=$1; shift
  echo "== testing $flavour"
  ctest --test-dir "$STOWPANE_BUILD/$flavour" --output-on-failure \
    --output-junit "$STOWPANE_BUILD/$flavour/ctest-junit.xml" "$@" || status=1
}

run_ctest host -j2
run_ctest fuzz -j2
if [ -x "$STOWPANE_BUILD/host/match_bench" ]; then
  echo "== benchmark (figures only)"
  "$STOWPANE_BUILD/host/match_bench" --benchmark_min_time=0.2 --benchmark_color=false || status=1
fi

session_start || { echo "the Wine session did not start"; exit 1; }
run_ctest win32 ${STOWPANE_CTEST_ARGS:-}
session_stop

echo "== summary"
python3 "$here/count-results.py" \
  "$STOWPANE_BUILD/host/ctest-junit.xml" "$STOWPANE_BUILD/host/results" \
  "$STOWPANE_BUILD/fuzz/ctest-junit.xml" "$STOWPANE_BUILD/fuzz/results" \
  "$STOWPANE_BUILD/win32/ctest-junit.xml" "$STOWPANE_BUILD/win32/results" \
  "$stamp" || status=1
exit $status
