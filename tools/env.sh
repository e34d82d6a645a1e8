# Shared settings for the scripts in tools/. Sourced, not run.
STOWPANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
STOWPANE_BUILD=${STOWPANE_BUILD:-$STOWPANE_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$STOWPANE_BUILD/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# Keep Wine from installing Mono/Gecko or writing menu entries into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

