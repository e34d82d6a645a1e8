#!/usr/bin/env bash
# Takes docs/combo.png: the demo shape's drop-down field with its list open,
# each entry's file icon beside its name. combodemo.exe builds the shape and,
# with /open, opens the first field's list by itself.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
# The shape opens centred on the mouse cursor; the list needs room below it.
xdotool mousemove 250 200
(wine "$bin/combodemo.exe" /seconds:60 /open </dev/null >/dev/null 2>&1 &)
window=$(wait_for_window --classname combodemo.exe)
# Away from the list, which would follow the mouse.
xdotool mousemove 900 700
# The list opens 0.3 s after the shape shows; the shell icons take a moment more.
sleep 2
crop_screen "$(frame_geometry "$window" 70)" "$STOWPANE_ROOT/docs/combo.png"
screenshots_done
echo "wrote docs/combo.png"
