#!/usr/bin/env bash
# Screenshots the contact sheet of the program's icons as Windows draws them
# (tests/programs/iconsheet.cpp under Wine) into docs/icons.png. Per icon:
# 16x16 on the window colour, on the selection colour and grayed as a disabled
# item, then 32x32, then the resource name.
#
# Usage: tools/make-icon-sheet.sh [output.png]
# Needs a win32 build (tools/build.sh win32) in $STOWPANE_BUILD.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
out=${1:-$STOWPANE_ROOT/docs/icons.png}
exe="$STOWPANE_BUILD/win32/iconsheet.exe"
[ -f "$exe" ] || { echo "make-icon-sheet: build $exe first" >&2; exit 1; }

session_start
size_file=$(mktemp)
# In the background with its stdio away from the session's services; it
# prints the window's size once painted and closes itself later.
(wine "$exe" "Z:$STOWPANE_ROOT/resources/Icons.rc2" 15 </dev/null >"$size_file" 2>/dev/null &)
for _ in $(seq 1 100); do
  [ -s "$size_file" ] && break
  sleep 0.1
done
read -r width height <"$size_file" || { echo "make-icon-sheet: no sheet window" >&2; exit 1; }
rm -f "$size_file"
sleep 1
mkdir -p "$(dirname "$out")"
# 256 colours without dithering keep every pixel of the icons that matters and
# less than half the bytes.
import -window root -crop "${width}x${height}+0+0" +repage miff:- |
  convert - -dither None -colors 256 -strip -define png:exclude-chunks=date,time "PNG8:$out"
session_stop
echo "make-icon-sheet: wrote $out (${width}x${height})"
