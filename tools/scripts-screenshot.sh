#!/usr/bin/env bash
# Takes docs/tray-menu-scripts.png (the tray menu offering a window titled in
# Greek, Chinese, Korean, accented Latin and an emoji) and
# docs/tray-tip-scripts.png (that window stored, its tip over its icon in
# Wine's own tray), driving the tray as a user does.
source "$(dirname "${BASH_SOURCE[0]}")/screenshot-session.sh"
title=$(printf '%s' "Ελληνικά · 中文 · 한국어 · Café · 😀" | od -An -tx1 | tr -d ' \n')
(wine "$bin/testwindow.exe" /widetitle:"$title" /icon:both /pos:300,200,420,160 </dev/null >/dev/null 2>&1 &)
wait_for_window --classname testwindow.exe >/dev/null
# Started as with the system: a start by the user would show its notice first.
(wine "$bin/Stowpane.exe" /restore </dev/null >/dev/null 2>&1 &)
wine "$bin/probe.exe" wait /class:ShapeClass /text:Stowpane /timeout:10000 </dev/null >/dev/null
tray=$(wait_for_window --name "Wine System Tray")

xdotool windowraise "$tray"
xdotool mousemove 13 32 sleep 0.3 click 3
menu=$(wait_for_window --classname Stowpane.exe)
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$menu")"
crop_screen "$((WIDTH + 8))x$((HEIGHT + 8))+$((X - 4))+$((Y - 4))" "$STOWPANE_ROOT/docs/tray-menu-scripts.png"
# The first item is the window: store it, then rest over its icon for the tip.
xdotool mousemove "$((X + 40))" "$((Y + 11))" sleep 0.3 click 1
sleep 1
xdotool windowraise "$tray"
xdotool mousemove 300 500 sleep 0.3 mousemove 33 32
sleep 2
crop_screen 520x70+0+0 "$STOWPANE_ROOT/docs/tray-tip-scripts.png"
wine "$bin/probe.exe" command /class:ShapeClass /text:Stowpane 199 </dev/null >/dev/null || true
screenshots_done
echo "wrote docs/tray-menu-scripts.png, docs/tray-tip-scripts.png"
