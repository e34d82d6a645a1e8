#!/usr/bin/env bash
# Takes the installer's and the uninstaller's pages (docs/installer-*.png,
# docs/uninstaller-*.png): the release's setup program run by hand in a fresh
# Wine session, its pages walked with the keyboard as a user would.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
setup=$(ls "$bin"/dist/Stowpane-*-setup.exe | head -n 1)
appdata=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
installed=$(winepath -u "$appdata\\Programs\\Stowpane" 2>/dev/null)
rm -rf "$installed"

# The page of WINDOW once it has settled, with the frame Wine draws, into docs/NAME.png.
shoot() {  # window, name
  sleep 1
  crop_screen "$(frame_geometry "$1")" "$STOWPANE_ROOT/docs/$2.png"
}
# A message box's X window holds its frame already.
shoot_box() {  # window, name
  local X Y WIDTH HEIGHT SCREEN WINDOW
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$1")"
  crop_screen "${WIDTH}x${HEIGHT}+${X}+${Y}" "$STOWPANE_ROOT/docs/$2.png"
}

(wine "$setup" </dev/null >/dev/null 2>&1 &)
page=$(wait_for_window --name "Stowpane.*セットアップ")
shoot "$page" installer-welcome
xdotool key --window "$page" Return
shoot "$page" installer-folder
xdotool key --window "$page" Return
# The files are in when the finish page's Run box shows.
for _ in $(seq 1 100); do
  [ -f "$installed/uninstall.exe" ] && break
  sleep 0.1
done
shoot "$page" installer-finish
# Finish starts the program, as the page offers; its start notice is another
# picture, so it is answered beforehand. The uninstaller then ends it.
wine reg add 'HKCU\Software\Quillon\Stowpane\3.x\WithoutStereotype' /v Register /t REG_DWORD /d 1 /f \
  </dev/null >/dev/null 2>&1
xdotool key --window "$page" Return
wine "$bin/probe.exe" wait /class:ShapeClass /text:Stowpane /timeout:10000 </dev/null >/dev/null

(wine "$installed/uninstall.exe" </dev/null >/dev/null 2>&1 &)
page=$(wait_for_window --name "Stowpane.*アンインストール")
shoot "$page" uninstaller-confirm
xdotool key --window "$page" Return
# The question about the settings comes up once the files are gone.
question=""
for _ in $(seq 1 200); do
  question=$(xdotool search --onlyvisible --name "Stowpane.*アンインストール" 2>/dev/null | grep -vx "$page" | head -n 1 || true)
  [ -n "$question" ] && break
  sleep 0.1
done
[ -n "$question" ] || { echo "installer-screenshot: no question about the settings" >&2; exit 1; }
shoot_box "$question" uninstaller-settings
xdotool key --window "$question" Return 2>/dev/null || true
screenshots_done
echo "wrote docs/installer-*.png, docs/uninstaller-*.png"
