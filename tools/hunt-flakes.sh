#!/usr/bin/env bash
# Runs the whole Windows suite several times in one Wine session and prints
# every case that failed, with how many runs it failed in: a case that fails
# in some runs only is intermittent. Not part of CI; for hunting such cases.
#
#   tools/hunt-flakes.sh [RUNS] [--load]     (RUNS defaults to 5)
#
# --load keeps every core busy with a loop of the shell's own for the whole
# hunt, as a loaded machine would be. Wine's own tray does not come back
# within a session once the end-to-end suite has replaced it, so the suites
# that click it run in the first run only.
set -uo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
runs=5
load=""
for arg in "$@"; do
  case "$arg" in
    --load) load=1 ;;
    [1-9]*) runs=$arg ;;
    *) echo "usage: $0 [RUNS] [--load]" >&2; exit 2 ;;
  esac
done
"$here/setup.sh" || exit 1
source "$here/wine-session.sh"
"$here/build.sh" win32 || { echo "hunt-flakes: the build failed"; exit 1; }

hunt="$STOWPANE_BUILD/flake-hunt"
rm -rf "$hunt" && mkdir -p "$hunt"
busy=()
stop_load() {
  [ ${#busy[@]} -eq 0 ] || kill "${busy[@]}" 2>/dev/null
  busy=()
}
if [ -n "$load" ]; then
  for _ in $(seq "$(nproc)"); do
    (while :; do :; done) &
    busy+=($!)
  done
fi
session_start || { stop_load; echo "hunt-flakes: the Wine session did not start"; exit 1; }
trap 'stop_load; session_stop' EXIT

win32="$STOWPANE_BUILD/win32"
for run in $(seq "$runs"); do
  stamp="$hunt/start-$run"
  touch "$stamp"
  skip=()
  [ "$run" = 1 ] || skip=(-E e2e_real_tray)
  started=$(date +%s)
  ctest --test-dir "$win32" --output-on-failure --output-junit "$win32/ctest-junit.xml" "${skip[@]}" >"$hunt/ctest-$run.log" 2>&1
  python3 "$here/count-results.py" --all "$win32/ctest-junit.xml" "$win32/results" "$stamp" >"$hunt/run-$run.txt"
  echo "run $run of $runs ($(($(date +%s) - started)) s): $(tail -n 1 "$hunt/run-$run.txt")"
  grep '^FAILED ' "$hunt/run-$run.txt" | cut -d' ' -f2 | sort -u >"$hunt/failed-$run.txt"
done

echo "== cases that failed (runs failed of $runs)"
if ! cat "$hunt"/failed-*.txt | grep -q .; then
  echo "none"
  exit 0
fi
cat "$hunt"/failed-*.txt | sort | uniq -c | sort -rn | while read -r count name; do
  kind="intermittent"
  [ "$count" = "$runs" ] && kind="every run"
  echo "$count $name ($kind)"
  # What it reported the first time it failed.
  first=$(grep -lxF "$name" "$hunt"/failed-*.txt | head -n 1)
  awk -v name="FAILED $name" '$0 == name { on = 1; next } /^FAILED |^[0-9]+ passed/ { on = 0 } on' \
    "${first/failed-/run-}" | head -n 12
done
exit 1
