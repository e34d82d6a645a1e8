#!/usr/bin/env bash
# Builds a release into dist/: Stowpane-<version>.zip (the program, read-me,
# licence and manual) and Stowpane-<version>-setup.exe (the installer). The
# build starts from an empty folder, so nothing of an earlier build can slip
# in; the version is the one in resources/Version.rc2.
set -euo pipefail
here=$(dirname "${BASH_SOURCE[0]}")
"$here/setup.sh"
source "$here/env.sh"
cd "$STOWPANE_ROOT"
if [ -n "$(git status --porcelain 2>/dev/null)" ]; then
  echo "release: the work tree has changes that are not committed; the release holds them too" >&2
fi
dir="$STOWPANE_BUILD/release"
rm -rf "$dir"
cmake -S "$STOWPANE_ROOT" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$STOWPANE_ROOT/cmake/mingw32.cmake" >/dev/null
cmake --build "$dir" -j "${STOWPANE_JOBS:-2}" --target release -- --no-print-directory 2>&1 |
  { grep -vE '^\[ *[0-9]+%\]' || true; }
mkdir -p dist
cp "$dir"/dist/Stowpane-*.zip "$dir"/dist/Stowpane-*-setup.exe dist/
ls -l dist/
