#!/usr/bin/env python3
"""Draws the poster, the faint picture in the bottom-right corner of every
dialog and owner-drawn menu, and writes it as resources/poster.bmp.

The picture is a relief: shapes are given heights (a stack of two windows
above a taskbar with its notification area, and an arrow carrying the front
window down into it), and a pixel is lit where the surface steps up towards a
light in the top-left. The bitmap has two colours only: entry 0 is the
ground and entry 1 the lit edges. The program replaces both at run time by
the window face (or menu) colour and a colour halfway to the highlight, so
the poster reads as an embossed watermark in any colour scheme; the colours
written here are the classic grey pair, so that the file previews as it
looks on screen.

The ground fills the poster's right and bottom margins, because the program
puts the poster's bottom-right corner on the window's: the relief must not
touch a window edge.

Usage: tools/make-poster.py [OUTPUT]   (default: resources/poster.bmp)
Python 3 standard library only; the same script always writes the same bytes.
"""
import os
import struct
import sys

WIDTH = 112
HEIGHT = 84
# How far the light reaches over a step, in pixels: 1 gives hairlines that
# vanish on pale schemes, 3 starts to look bold.
LIGHT_REACH = 2
GROUND = (0xC0, 0xC0, 0xC0)  # red, green, blue
RELIEF = (0xDF, 0xDF, 0xDF)  # halfway between the ground and white


def blank():
    return [[0] * WIDTH for _ in range(HEIGHT)]


def rounded_rect(height_map, left, top, right, bottom, radius, level):
    """Raises (or sinks) the pixels of [left, right) x [top, bottom) with
    corners rounded by `radius` to `level`."""
    for y in range(top, bottom):
        for x in range(left, right):
            # Distance from the nearest corner centre, on pixel centres.
            cx = min(max(x + 0.5, left + radius), right - radius)
            cy = min(max(y + 0.5, top + radius), bottom - radius)
            if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                height_map[y][x] = level


def triangle(height_map, points, level):
    """Sets the pixels whose centres lie inside the triangle to `level`."""
    (ax, ay), (bx, by), (cx, cy) = points

    def side(px, py, qx, qy, x, y):
        return (qx - px) * (y - py) - (qy - py) * (x - px)

    for y in range(HEIGHT):
        for x in range(WIDTH):
            px, py = x + 0.5, y + 0.5
            d1 = side(ax, ay, bx, by, px, py)
            d2 = side(bx, by, cx, cy, px, py)
            d3 = side(cx, cy, ax, ay, px, py)
            if (d1 >= 0 and d2 >= 0 and d3 >= 0) or (d1 <= 0 and d2 <= 0 and d3 <= 0):
                height_map[y][x] = level


def window(height_map, left, top, right, bottom, level):
    """A window: a raised frame with a title bar, three caption buttons and a
    sunken client area."""
    rounded_rect(height_map, left, top, right, bottom, 3, level)
    rounded_rect(height_map, left + 3, top + 9, right - 3, bottom - 3, 1, level - 1)
    for i in range(3):
        x = right - 6 - 5 * (2 - i) - 4
        rounded_rect(height_map, x, top + 3, x + 4, top + 7, 0, level + 1)
    # Two text lines in the client area, raised from it.
    rounded_rect(height_map, left + 7, top + 14, right - 14, top + 16, 0, level)
    rounded_rect(height_map, left + 7, top + 19, right - 22, top + 21, 0, level)


def draw():
    h = blank()
    # The taskbar along the bottom, with two task buttons and its notification
    # area sunk into the right end, holding three small icons.
    rounded_rect(h, 2, 66, 106, 80, 4, 2)
    rounded_rect(h, 6, 69, 24, 77, 1, 3)
    rounded_rect(h, 27, 69, 45, 77, 1, 3)
    rounded_rect(h, 64, 69, 103, 77, 2, 1)
    for x in (69, 79, 89):
        rounded_rect(h, x, 71, x + 6, 75, 1, 2)
    # Two windows, the front one higher.
    window(h, 8, 4, 58, 48, 2)
    window(h, 24, 16, 76, 58, 4)
    # The arrow from the front window down into the notification area.
    rounded_rect(h, 76, 27, 90, 33, 1, 2)
    rounded_rect(h, 84, 27, 90, 50, 1, 2)
    triangle(h, ((77.0, 49.0), (97.0, 49.0), (87.0, 63.0)), 2)
    return h


def lit_pixels(height_map):
    lit = blank()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            here = height_map[y][x]
            for step in range(1, LIGHT_REACH + 1):
                # The light comes from the left and from above, so a slope
                # facing down-left (the arrow head) catches it too.
                left = height_map[y][x - step] if x >= step else 0
                above = height_map[y - step][x] if y >= step else 0
                if here > min(left, above):
                    lit[y][x] = 1
                    break
    return lit


def bmp_bytes(pixels):
    """A bottom-up 1-bit BMP with a two-entry colour table."""
    stride = (WIDTH + 31) // 32 * 4
    rows = []
    for y in reversed(range(HEIGHT)):
        row = bytearray(stride)
        for x in range(WIDTH):
            if pixels[y][x]:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    bits = b"".join(rows)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in (GROUND, RELIEF))
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 1, 0, len(bits), 2835, 2835, 2, 2)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    return header + info + table + bits


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    output = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "resources", "poster.bmp")
    with open(output, "wb") as f:
        f.write(bmp_bytes(lit_pixels(draw())))


if __name__ == "__main__":
    main()
