#!/usr/bin/env bash
# Regenerates the program's icon resources, resources/icons/*.ico, and their
# resource script resources/Icons.rc2.
#
# Every icon is made here, at 16x16 and 32x32 in 32-bit RGBA with an AND mask
# (alpha >= 128 counts as opaque), from two kinds of layers:
#   - pictures of the public-domain Tango icon theme (Debian tango-icon-theme):
#     the hand-tuned 16x16 and 32x32 PNGs where a whole picture fits, the
#     scalable SVGs where a picture is used as a smaller badge;
#   - shapes drawn by this script as SVG (windows, arrows, monitors, marks),
#     laid out on the pixel grid so that 1-pixel lines stay sharp at 16x16.
# Layers are rendered with rsvg-convert, stacked with ImageMagick and packed
# with icoutils' icotool, so the same inputs give the same bytes.
#
# Usage: tools/make-icons.sh [--preview STEM]
#   --preview STEM  also writes contact sheets STEM-16.png, STEM-32.png
#                   (enlarged) and STEM-real.png for a look while drawing.
# Needs: tango-icon-theme, librsvg2-bin, imagemagick, icoutils.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
OUT="$ROOT/resources/icons"
TANGO=/usr/share/icons/Tango
preview=""
if [ "${1:-}" = "--preview" ]; then preview=$2; fi

for tool in rsvg-convert convert montage icotool; do
  command -v "$tool" >/dev/null || { echo "make-icons: $tool is missing" >&2; exit 1; }
done
[ -d "$TANGO/scalable" ] || { echo "make-icons: tango-icon-theme is missing" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# --- Palette (Tango's) --------------------------------------------------------
BLUE_D='#204a87'; BLUE='#3465a4'; BLUE_L='#729fcf'
GREEN_D='#4e9a06'; GREEN='#73d216'; GREEN_L='#8ae234'
RED_D='#a40000'; RED='#cc0000'; RED_L='#ef2929'
GREY_1='#eeeeec'; GREY_2='#d3d7cf'; GREY_3='#babdb6'; GREY_4='#888a85'
GREY_5='#555753'; GREY_6='#2e3436'
BROWN_D='#8f5902'; BROWN='#c17d11'; BROWN_L='#e9b96e'
YELLOW='#edd400'

# --- State of the icon being drawn ---------------------------------------------
# S: size in pixels; k: 1 at 16x16, 2 at 32x32. Drawing functions take
# coordinates on a 16-unit grid and multiply them by k themselves, so one
# description serves both sizes; details that only fit at 32 test k.
S=16; k=1
layers=()
nlayer=0

begin() { S=$1; k=$((S / 16)); layers=(); }

# svg FRAGMENT: one layer of our own shapes on the full canvas.
svg() {
  nlayer=$((nlayer + 1))
  local file="$work/layer$nlayer.png"
  printf '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d">%s</svg>\n' \
    "$S" "$S" "$1" >"$work/layer$nlayer.svg"
  rsvg-convert -o "$file" "$work/layer$nlayer.svg"
  layers+=("$file" -geometry +0+0 -composite)
}

# tango CONTEXT/NAME PIXELS X Y: a Tango picture, PIXELS square, at (X, Y)
# in real pixels. Uses the hand-tuned raster when one of that size exists.
tango() {
  local name=$1 px=$2 x=$3 y=$4
  local raster="$TANGO/${px}x${px}/$name.png"
  nlayer=$((nlayer + 1))
  local file="$work/layer$nlayer.png"
  if [ -f "$raster" ]; then
    cp "$raster" "$file"
  else
    rsvg-convert -w "$px" -h "$px" -o "$file" "$TANGO/scalable/$name.svg"
  fi
  layers+=("$file" -geometry "+$x+$y" -composite)
}

# finish FILE: stacks the layers; fully transparent pixels become black so
# that the colour bits are clean where the AND mask shows the background.
finish() {
  convert -size "${S}x${S}" xc:none "${layers[@]}" \
    -background black -alpha background -define png:color-type=6 "PNG32:$1"
}

# --- Drawn shapes (16-unit grid coordinates, multiplied by k) ----------------

# u UNITS [PIXELS]: grid units in pixels at this size, plus whole pixels.
u() { awk -v a="$1" -v p="${2:-0}" -v k="$k" 'BEGIN { print a * k + p }'; }

# bitmap X Y ROW...: pixel art for details too small to draw as shapes at
# 16x16; each character is one pixel (k x k at 32x32), '.' is transparent.
bitmap() {
  local x=$(($1 * k)) y=$(($2 * k))
  shift 2
  printf '%s\n' "$@" | awk -v x="$x" -v y="$y" -v k="$k" '
    BEGIN {
      c["G"] = "#4e9a06"; c["g"] = "#73d216"; c["l"] = "#8ae234"
      c["R"] = "#a40000"; c["r"] = "#cc0000"; c["o"] = "#ef2929"
      c["B"] = "#204a87"; c["b"] = "#3465a4"; c["c"] = "#729fcf"
      c["D"] = "#2e3436"; c["d"] = "#555753"; c["m"] = "#888a85"
      c["s"] = "#babdb6"; c["t"] = "#d3d7cf"; c["w"] = "#ffffff"
      c["Y"] = "#c4a000"; c["y"] = "#fce94f"
      c["N"] = "#8f5902"; c["n"] = "#c17d11"; c["h"] = "#e9b96e"
      printf "<g shape-rendering=\"crispEdges\">"
    }
    {
      # One rectangle per run of equal pixels.
      n = length($0); i = 1
      while (i <= n) {
        ch = substr($0, i, 1); j = i
        while (j < n && substr($0, j + 1, 1) == ch) j++
        if (ch != ".")
          printf "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"%s\"/>", \
            x + (i - 1) * k, y + (NR - 1) * k, (j - i + 1) * k, k, c[ch]
        i = j + 1
      }
    }
    END { printf "</g>" }'
}

# window X Y W H [STYLE]: a window with frame, title bar and white client
# area. STYLE: active (blue), inactive (grey) or ghost (blue, with a client
# area one can see through).
window() {
  local x=$(($1 * k)) y=$(($2 * k)) w=$(($3 * k)) h=$(($4 * k)) style=${5:-active}
  local frame=$BLUE_D title=$BLUE hi=$BLUE_L body='#ffffff' body_op=1
  case $style in
    inactive) frame=$GREY_5; title=$GREY_4; hi=$GREY_3; body=$GREY_1 ;;
    ghost) body_op=0.3 ;;
  esac
  local th=$((k == 1 ? 3 : 6))   # title rows, the top frame row included
  local s='<g shape-rendering="crispEdges">'
  s+="<rect x=\"$x.5\" y=\"$y.5\" width=\"$((w - 1))\" height=\"$((h - 1))\" fill=\"none\" stroke=\"$frame\"/>"
  s+="<rect x=\"$((x + 1))\" y=\"$((y + 1))\" width=\"$((w - 2))\" height=\"$((th - 1))\" fill=\"$title\"/>"
  s+="<rect x=\"$((x + 1))\" y=\"$((y + th))\" width=\"$((w - 2))\" height=\"$((h - th - 1))\" fill=\"$body\" fill-opacity=\"$body_op\"/>"
  if [ $k -eq 2 ]; then
    # A highlight along the title bar and a shaded lower client edge.
    s+="<rect x=\"$((x + 1))\" y=\"$((y + 1))\" width=\"$((w - 2))\" height=\"1\" fill=\"$hi\"/>"
    [ "$style" = ghost ] ||
      s+="<rect x=\"$((x + 1))\" y=\"$((y + h - 2))\" width=\"$((w - 2))\" height=\"1\" fill=\"$GREY_2\"/>"
  fi
  printf '%s</g>' "$s"
}

# arrow DIR X Y W H [FILL DARK]: a smooth fat arrow (green unless told)
# filling a box given in pixels, DIR down, up, left or right. The width
# across should be odd so that the outline falls on pixel centres.
arrow() {
  local dir=$1 x=$2 y=$3 w=$4 h=$5 fill=${6:-$GREEN} dark=${7:-$GREEN_D}
  local pts
  pts=$(awk -v x="$x" -v y="$y" -v w="$w" -v h="$h" -v d="$dir" 'BEGIN {
    # Laid out pointing down in a box of size (a across, b along).
    a = (d == "down" || d == "up") ? w : h; b = (d == "down" || d == "up") ? h : w
    x0 = 0.5; x1 = a - 0.5; c = a / 2; y0 = 0.5; y1 = b - 0.5
    sw = int((a - 1) / 4 + 0.5); yh = y1 - (x1 - x0) / 2
    n = split(c-sw" "y0" "c+sw" "y0" "c+sw" "yh" "x1" "yh" "c" "y1" "x0" "yh" "c-sw" "yh, p, " ")
    out = ""
    for (i = 1; i < n; i += 2) {
      u = p[i]; v = p[i + 1]
      if (d == "down") { px = x + u; py = y + v }
      else if (d == "up") { px = x + u; py = y + b - v }
      else if (d == "right") { px = x + v; py = y + u }
      else { px = x + b - v; py = y + u }
      out = out sprintf("%g,%g ", px, py)
    }
    print out }')
  printf '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1" stroke-linejoin="miter"/>' \
    "$pts" "$fill" "$dark"
}

# tray_back X Y W, tray_front X Y W H: an open brown box seen from the
# front; what is drawn between the two sinks into it.
tray_back() {
  local x=$(($1 * k)) y=$(($2 * k)) w=$(($3 * k))
  printf '<rect x="%s" y="%s" width="%s" height="%s" fill="%s" shape-rendering="crispEdges"/>' \
    "$x" "$y" "$w" "$((2 * k))" "$BROWN_D"
}
tray_front() {
  local x=$(($1 * k)) y=$(($2 * k)) w=$(($3 * k)) h=$(($4 * k))
  local s='<g shape-rendering="crispEdges">'
  s+="<rect x=\"$x\" y=\"$y\" width=\"$w\" height=\"$h\" fill=\"$BROWN_D\"/>"
  s+="<rect x=\"$((x + 1))\" y=\"$((y + 1))\" width=\"$((w - 2))\" height=\"$((h - 2))\" fill=\"$BROWN\"/>"
  s+="<rect x=\"$((x + 1))\" y=\"$((y + 1))\" width=\"$((w - 2))\" height=\"$k\" fill=\"$BROWN_L\"/>"
  printf '%s</g>' "$s"
}

# --- Badges and glyphs: pixel art at 16x16 ------------------------------------

# arrow_badge DIR X Y: the green "store" (down) or "bring back" (up) arrow,
# 7x9 units at 16x16, a smooth 15x19 arrow at 32x32.
arrow_badge() {
  local rows=(..GGG.. ..GlG.. ..GlG.. ..GlG.. GGGlGGG GlllllG .GlllG. ..GlG.. ...G...)
  if [ $k -eq 2 ]; then arrow "$1" $(($2 * 2 - 1)) $(($3 * 2 - 2)) 15 20; return; fi
  [ "$1" = up ] && rows=(...G... ..GlG.. .GlllG. GlllllG GGGlGGG ..GlG.. ..GlG.. ..GlG.. ..GGG..)
  bitmap "$2" "$3" "${rows[@]}"
}

# arrow_small X Y: a 5x6 down arrow (smooth 9x12 at 32x32).
arrow_small() {
  if [ $k -eq 2 ]; then arrow down $(($1 * 2)) $(($2 * 2)) 9 12; return; fi
  bitmap "$1" "$2" .GGG. .GlG. GGlGG GlllG .GlG. ..G..
}

# glyph KIND X Y: a dark caption-style glyph, 7 units square (9 for move),
# drawn into a window's client area.
glyph() {
  local kind=$1 x=$2 y=$3
  case $kind in
    min) bitmap "$x" "$y" ....... ....... ....... ....... ....... .DDDDD. .DDDDD. ;;
    max) bitmap "$x" "$y" DDDDDDD DDDDDDD D.....D D.....D D.....D D.....D DDDDDDD ;;
    restore) bitmap "$x" "$y" ..DDDDD ..DDDDD ..D...D DDDDD.D DDDDD.D D...DDD D...D.. DDDDD.. ;;
    move) bitmap "$x" "$y" ....D.... ...DDD... ....D.... .D..D..D. DDDDDDDDD \
                           .D..D..D. ....D.... ...DDD... ....D.... ;;
    resize) bitmap "$x" "$y" DDDD... DD..... D.D.... ...D... ....D.D .....DD ...DDDD ;;
  esac
}

# The X of "delete": red, 8x8 units, outlined in dark red.
red_x() {
  bitmap "$1" "$2" RR....RR RoR..RoR .RoRRoR. ..RooR.. ..RooR.. .RoRRoR. RoR..RoR RR....RR
}

# A gear for "automatic", 8x8 units at 16x16; Tango's gear emblem at 32x32.
gear() {
  if [ $k -eq 2 ]; then tango emblems/emblem-system 18 $(($1 * 2 - 1)) $(($2 * 2 - 1)); return; fi
  svg "$(bitmap "$1" "$2" ...dd... .d.ss.d. .dssssd. dss..ssd dss..ssd .dssssd. .d.ss.d. ...dd...)"
}

# closebox X Y: a red caption button with a white cross, 9x9 units at
# 16x16, a smooth 16x16 button at 32x32.
closebox() {
  local x=$(($1 * k)) y=$(($2 * k))
  if [ $k -eq 1 ]; then
    bitmap "$1" "$2" .RRRRRRR. RoooooooR RowrrrwrR RrwwrwwrR RrrwwwrrR RrwwrwwrR RrwrrrwrR \
      RrrrrrrrR .RRRRRRR.
    return
  fi
  printf '<rect x="%s.5" y="%s.5" width="17" height="17" rx="2" fill="%s" stroke="%s"/>' \
    "$((x - 2))" "$((y - 2))" "$RED" "$RED_D"
  printf '<path d="M%d %dL%d %dM%d %dL%d %d" stroke="#ffffff" stroke-width="2.5" stroke-linecap="round"/>' \
    "$((x + 3))" "$((y + 3))" "$((x + 12))" "$((y + 12))" "$((x + 12))" "$((y + 3))" "$((x + 3))" "$((y + 12))"
}

# A floppy disk for "remember", 8x8 units.
floppy() {
  bitmap "$1" "$2" BBBBBBB. BBssssBB BBsBssBB BBssssBB BBBBBBBB BwwwwwwB BwwwwwwB BBBBBBBB
}

# A pushpin for "always on top", 7x7 units.
pin() {
  bitmap "$1" "$2" ..RRR.. ..RoR.. ..RoR.. .RRRRR. RRRRRRR ...m... ...m...
}

# The mouse pointer, 6x9 units, white with a black edge.
pointer() {
  bitmap "$1" "$2" D..... DD.... DwD... DwwD.. DwwwD. DwwwwD DwwDDD DDwD.. D..D..
}

# monitor: a screen with a light-blue desktop on a stand, filling the icon.
monitor() {
  local s='<g shape-rendering="crispEdges">'
  s+="<rect x=\"$((6 * k))\" y=\"$((12 * k))\" width=\"$((4 * k))\" height=\"$((2 * k))\" fill=\"$GREY_4\"/>"
  s+="<rect x=\"$((3 * k))\" y=\"$((14 * k))\" width=\"$((10 * k))\" height=\"$((2 * k))\" fill=\"$GREY_5\"/>"
  s+="<rect x=\"0\" y=\"$((1 * k))\" width=\"$((16 * k))\" height=\"$((12 * k))\" fill=\"$GREY_6\"/>"
  s+="<rect x=\"$((1 * k))\" y=\"$((2 * k))\" width=\"$((14 * k))\" height=\"$((10 * k))\" fill=\"$BLUE_L\"/>"
  printf '%s</g>' "$s"
}

# --- The icons ---------------------------------------------------------------
# Each icon_<file> draws one icon at the current size; the table at the end
# maps resource names to files.

# The program: a window dropping into an open box.
icon_application() {
  svg "$(tray_back 1 8 14)$(window 1 1 10 12)$(tray_front 0 9 16 7)$(arrow_small 11 0)"
}

icon_ok() {
  local c=$((8 * k))
  svg "<circle cx=\"$c\" cy=\"$c\" r=\"$(u 7.5 -0.5)\" fill=\"$GREEN\" stroke=\"$GREEN_D\"/>
       <path d=\"M$((4 * k)) $((8 * k)) L$((7 * k)) $((11 * k)) L$((12 * k)) $((5 * k))\" fill=\"none\"
         stroke=\"#ffffff\" stroke-width=\"$((2 * k))\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>"
}

icon_cancel() { tango actions/process-stop "$S" 0 0; }
icon_renew() { tango actions/view-refresh "$S" 0 0; }
# Exit: leaving through an open door.
icon_close() {
  if [ $k -eq 1 ]; then
    svg "$(bitmap 0 0 .ddddddddd...... .dNDDDDDDd...... .dnNDDDDDd...... .dnnNDDDDd.R.... \
      .dnnnDDDDd.RR... .dnnnDDDDd.RoR.. .dnnnRRRRRRRooR. .dnnnRoooooooooR .dnnnRRRRRRRooR. \
      .dnnnDDDDd.RoR.. .dnhnDDDDd.RR... .dnnnDDDDd.R.... .dnnnDDDDd...... .dnnnDDDDd...... \
      .dnnnDDDDd...... .ddddddddd......)"
    return
  fi
  svg "<g shape-rendering=\"crispEdges\">
         <rect x=\"2.5\" y=\"0.5\" width=\"17\" height=\"31\" fill=\"$GREY_6\" stroke=\"$GREY_5\"/>
         <rect x=\"3\" y=\"1\" width=\"7\" height=\"30\" fill=\"$BROWN\"/>
         <rect x=\"9\" y=\"1\" width=\"1\" height=\"30\" fill=\"$BROWN_D\"/>
         <rect x=\"4\" y=\"2\" width=\"1\" height=\"28\" fill=\"$BROWN_L\"/>
         <rect x=\"7\" y=\"18\" width=\"2\" height=\"3\" fill=\"$YELLOW\"/></g>
       $(arrow right 11 6 21 19 "$RED_L" "$RED_D")"
}

# Emergency: a first-aid case with a red cross.
icon_cure() {
  svg "<rect x=\"$(u 5.5)\" y=\"$(u 1.5)\" width=\"$(u 5)\" height=\"$(u 4)\" rx=\"$k\"
         fill=\"none\" stroke=\"$GREY_5\" stroke-width=\"$k\"/>
       <g shape-rendering=\"crispEdges\">
         <rect x=\"0\" y=\"$(u 4)\" width=\"$(u 16)\" height=\"$(u 11)\" fill=\"$GREY_5\"/>
         <rect x=\"1\" y=\"$(u 4 1)\" width=\"$(u 16 -2)\" height=\"$(u 11 -2)\" fill=\"#ffffff\"/>
         <rect x=\"$(u 6.5 -1)\" y=\"$(u 6)\" width=\"$(u 3)\" height=\"$(u 7)\" fill=\"$RED\"/>
         <rect x=\"$(u 4.5 -1)\" y=\"$(u 8)\" width=\"$(u 7)\" height=\"$(u 3)\" fill=\"$RED\"/>
       </g>"
}

# Automatic storing: the program's box with a gear.
icon_autotrayicon() {
  svg "$(tray_back 1 8 14)$(window 1 1 10 12)$(tray_front 0 9 16 7)"
  gear 8 0
}

icon_alltrayicon() { svg "$(window 4 0 11 8 inactive)$(window 0 3 11 8)$(arrow_badge down 9 7)"; }
icon_allrestore() { svg "$(window 4 0 11 8 inactive)$(window 0 3 11 8)$(arrow_badge up 9 7)"; }
icon_windowtrayicon() { svg "$(window 0 1 12 10)$(arrow_badge down 9 7)"; }

# Run a program: the play triangle.
icon_play() {
  svg "<defs><linearGradient id=\"p\" x1=\"0\" y1=\"0\" x2=\"0\" y2=\"1\">
         <stop offset=\"0\" stop-color=\"$GREEN_L\"/><stop offset=\"1\" stop-color=\"$GREEN\"/></linearGradient></defs>
       <polygon points=\"$(u 3 0.5),$(u 1 0.5) $(u 14 0.5),$(u 8) $(u 3 0.5),$(u 15 -0.5)\"
         fill=\"url(#p)\" stroke=\"$GREEN_D\" stroke-linejoin=\"round\"/>"
}

icon_newfile() { tango actions/document-new "$S" 0 0; }
icon_editfile() { tango apps/accessories-text-editor "$S" 0 0; }
icon_copy() { tango actions/edit-copy "$S" 0 0; }
icon_openfile() { tango actions/document-open "$S" 0 0; }

icon_delete() {
  tango mimetypes/text-x-generic "$S" 0 0
  if [ $k -eq 1 ]; then svg "$(red_x 8 8)"; return; fi
  svg "<path d=\"M14 14L28 28M28 14L14 28\" stroke=\"$RED_D\" stroke-width=\"7\" stroke-linecap=\"round\"/>
       <path d=\"M14 14L28 28M28 14L14 28\" stroke=\"$RED_L\" stroke-width=\"4\" stroke-linecap=\"round\"/>"
}

# System-menu commands: a window with the command's glyph in it.
icon_windowrestore() { svg "$(window 0 1 16 14)$(glyph restore 5 6)"; }
icon_windowicon() { svg "$(window 0 1 16 14)$(glyph min 5 6)"; }
icon_windowzoom() { svg "$(window 0 1 16 14)$(glyph max 5 6)"; }
icon_windowmove() { svg "$(window 0 1 16 14)$(glyph move 4 5)"; }
icon_windowresize() { svg "$(window 0 1 16 14)$(glyph resize 5 6)"; }
icon_windowclose() { svg "$(window 0 1 16 14)$(closebox 7 7)"; }

icon_windowtopmost() { svg "$(window 5 7 11 9 inactive)$(window 0 3 12 9)$(pin 8 0)"; }

icon_windowposition() { svg "$(monitor)$(window 2 3 8 6)"; }
icon_windowcenterpos() {
  svg "$(monitor)<g shape-rendering=\"crispEdges\" fill=\"$RED\">
         <rect x=\"$((8 * k - 1))\" y=\"$((2 * k))\" width=\"2\" height=\"$((10 * k))\"/>
         <rect x=\"$((1 * k))\" y=\"$((7 * k - 1))\" width=\"$((14 * k))\" height=\"2\"/></g>$(window 4 4 8 6)"
}
icon_windowmousepos() { svg "$(monitor)$(window 2 3 8 6)$(pointer 8 4)"; }
icon_windowserialpos() { svg "$(window 0 1 13 11)$(floppy 8 8)"; }

# Translucent: a window through whose client area the title bar and frame
# of the one behind it show.
icon_windowtransparent() { svg "$(window 5 4 11 11)$(window 0 0 11 12 ghost)"; }

# Resource name, file name (without .ico).
ICONS="
APPLICATION_ICON application
OK_ICON ok
CANCEL_ICON cancel
RENEW_ICON renew
CLOSE_ICON close
CURE_ICON cure
AUTOTRAYICON_ICON autotrayicon
ALLRESTORE_ICON allrestore
ALLTRAYICON_ICON alltrayicon
PLAY_ICON play
NEWFILE_ICON newfile
EDITFILE_ICON editfile
COPY_ICON copy
DELETE_ICON delete
OPENFILE_ICON openfile
WINDOWTRAYICON_ICON windowtrayicon
WINDOWRESTORE_ICON windowrestore
WINDOWMOVE_ICON windowmove
WINDOWRESIZE_ICON windowresize
WINDOWICON_ICON windowicon
WINDOWZOOM_ICON windowzoom
WINDOWTOPMOST_ICON windowtopmost
WINDOWPOSITION_ICON windowposition
WINDOWCENTERPOS_ICON windowcenterpos
WINDOWMOUSEPOS_ICON windowmousepos
WINDOWSERIALPOS_ICON windowserialpos
WINDOWTRANSPARENT_ICON windowtransparent
WINDOWCLOSE_ICON windowclose
"

mkdir -p "$OUT"
{
  echo "// The program's icons, each with 16x16 and 32x32 32-bit images."
  echo "// Generated with the icons by tools/make-icons.sh: edit the script, not this file."
  while read -r name file; do
    [ -n "$name" ] && printf '%s ICON "icons/%s.ico"\n' "$name" "$file"
  done <<<"$ICONS"
} >"$ROOT/resources/Icons.rc2"
sheet16=() sheet32=()
while read -r name file; do
  [ -n "$name" ] || continue
  for size in 16 32; do
    begin "$size"
    "icon_$file"
    finish "$work/$file-$size.png"
  done
  icotool -c -b 32 -t 127 -o "$OUT/$file.ico" "$work/$file-16.png" "$work/$file-32.png"
  sheet16+=("$work/$file-16.png") sheet32+=("$work/$file-32.png")
done <<<"$ICONS"

if [ -n "$preview" ]; then
  # Three sheets: 16x16 enlarged 8 times, 32x32 enlarged 4 times, and both at
  # their real size on a dialog-grey background.
  font=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
  big=()
  for f in "${sheet16[@]}"; do convert "$f" -scale 800% "${f%.png}-big.png"; big+=("${f%.png}-big.png"); done
  montage -font "$font" -pointsize 11 -background '#d4d0c8' -geometry +6+6 -tile 7x \
    -label '%t' "${big[@]}" "$preview-16.png"
  big=()
  for f in "${sheet32[@]}"; do convert "$f" -scale 400% "${f%.png}-big.png"; big+=("${f%.png}-big.png"); done
  montage -font "$font" -pointsize 11 -background '#d4d0c8' -geometry +6+6 -tile 7x \
    -label '%t' "${big[@]}" "$preview-32.png"
  montage -background '#d4d0c8' -geometry +4+4 -tile 14x "${sheet16[@]}" "$work/real16.png"
  montage -background '#d4d0c8' -geometry +4+4 -tile 14x "${sheet32[@]}" "$work/real32.png"
  convert "$work/real16.png" "$work/real32.png" -gravity west -background '#d4d0c8' -append \
    "$preview-real.png"
fi
