#!/usr/bin/env bash
# Configures and builds one flavour: win32 (default), host or fuzz.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"
flavour=${1:-win32}
jobs=${STOWPANE_JOBS:-2}
dir="$STOWPANE_BUILD/$flavour"
case "$flavour" in
  win32) args=(-DCMAKE_TOOLCHAIN_FILE="$STOWPANE_ROOT/cmake/mingw32.cmake") ;;
  host) args=(-DCMAKE_CXX_COMPILER=g++ -DCMAKE_C_COMPILER=gcc) ;;
  fuzz) args=(-DSTOWPANE_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_C_COMPILER=clang-14) ;;
  *) echo "build.sh: unknown flavour $flavour" >&2; exit 2 ;;
esac
if [ ! -f "$dir/Makefile" ]; then
  cmake -S "$STOWPANE_ROOT" -B "$dir" "${args[@]}" >/dev/null
fi
# Progress lines are noise in CI logs; warnings and errors stay.
cmake --build "$dir" -j "$jobs" -- --no-print-directory 2>&1 | { grep -vE '^\[ *[0-9]+%\]' || true; }
