#!/usr/bin/env python3
"""Writes the program's placeholder images into res/images/.

Each image is a small PNG in its own solid colour so that a look at the program (or a test
comparing pixels) tells them apart. The logo is a band whose red channel counts its columns,
so a toolbar that cuts the logo off shows which part of it is visible.

Run from anywhere: python3 scripts/make-placeholder-images.py
"""
import os
import struct
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "images")


def write_png(path, width, height, pixel):
    """pixel(x, y) -> (r, g, b); writes an 8-bit RGB PNG."""
    rows = bytearray()
    for y in range(height):
        rows.append(0)  # filter type: none
        for x in range(width):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def solid(rgb):
    return lambda x, y: rgb


IMAGES = [
    # name, width, height, pixel function
    ("tab_background.png", 32, 48, solid((0x1F, 0x4E, 0x79))),
    ("main_up_sub_bg.png", 32, 32, solid((0xD9, 0xE4, 0xEE))),
    ("logo.png", 200, 48, lambda x, y: (x, 0x90, 0xC8)),
]


# Resource-monitor page: toolbar and menu icons (a glyph on the toolbar's colour for the toolbar,
# on white for the context menu) and the three connection-status dots of the host list.
BAR = (0xD9, 0xE4, 0xEE)
WHITE = (0xFF, 0xFF, 0xFF)


def glyph(shape, ink, paper, size=24):
    """A centred glyph: shape(dx, dy, r) -> bool, with dx/dy measured from the centre."""
    r = size / 2.0

    def pixel(x, y):
        dx, dy = x + 0.5 - r, y + 0.5 - r
        return ink if shape(dx, dy, r) else paper
    return pixel


def plus(dx, dy, r):
    return (abs(dx) < 2 and abs(dy) < r - 4) or (abs(dy) < 2 and abs(dx) < r - 4)


def minus(dx, dy, r):
    return abs(dy) < 2 and abs(dx) < r - 4


def pencil(dx, dy, r):
    return abs(dx + dy) < 2.5 and abs(dx) < r - 4


def ring(dx, dy, r):
    d = (dx * dx + dy * dy) ** 0.5
    return r - 8 < d < r - 4 or (abs(dx) < 1.5 and dy < -(r - 8) + 2 and dy > -r + 1)


def info(dx, dy, r):
    return (abs(dx) < 1.5 and -2 < dy < r - 4) or (dx * dx + (dy + r - 7) ** 2 < 4)


def gear(dx, dy, r):
    d = (dx * dx + dy * dy) ** 0.5
    return (4 < d < r - 5) or (abs(dx) < 2 and abs(dy) < r - 2) or (abs(dy) < 2 and abs(dx) < r - 2)


def question(dx, dy, r):
    d = (dx * dx + (dy + 3) ** 2) ** 0.5
    return (5 < d < 8 and not (dx < 0 and dy > -3)) or (abs(dx) < 1.5 and 4 < dy < 7) or \
        (dx * dx + (dy - 9) ** 2 < 3)


def dot(dx, dy, r):
    return dx * dx + dy * dy < (r - 2) ** 2


INK = (0x00, 0x33, 0x66)
DARK = (0x30, 0x30, 0x30)
for _name, _shape in (("add", plus), ("remove", minus), ("edit", pencil), ("connect", ring)):
    IMAGES.append(("icon_%s_enabled.png" % _name, 24, 24, glyph(_shape, INK, BAR)))
    IMAGES.append(("icon_%s_dark.png" % _name, 24, 24, glyph(_shape, DARK, WHITE)))
IMAGES += [
    ("main_about.png", 24, 24, glyph(info, WHITE, (0x1F, 0x4E, 0x79))),
    ("main_preference.png", 24, 24, glyph(gear, WHITE, (0x1F, 0x4E, 0x79))),
    ("main_help.png", 24, 24, glyph(question, WHITE, (0x1F, 0x4E, 0x79))),
    ("icon_rsrc_connecting.png", 16, 16, glyph(dot, (0xE8, 0xA3, 0x17), WHITE, 16)),
    ("icon_rsrc_connected.png", 16, 16, glyph(dot, (0x2E, 0x9E, 0x3E), WHITE, 16)),
    ("icon_rsrc_disconnected.png", 16, 16, glyph(dot, (0xC8, 0x2A, 0x2A), WHITE, 16)),
]



# Finder page: the Search, Wake-on-LAN and Memory Test icons, for the toolbar ("_enabled") and
# the context menu ("_dark"). The Search toolbar icon keeps the resource name the form uses.
def magnifier(dx, dy, r):
    d = ((dx + 2) ** 2 + (dy + 2) ** 2) ** 0.5
    return (4 < d < 7) or (abs(dx - dy) < 2 and dx > 3 and dx < r - 3)


def power(dx, dy, r):
    d = (dx * dx + dy * dy) ** 0.5
    return (r - 8 < d < r - 5 and not (dy < 0 and abs(dx) < 4)) or (abs(dx) < 1.5 and -(r - 3) < dy < 0)


def chip(dx, dy, r):
    body = abs(dx) < r - 7 and abs(dy) < r - 7 and not (abs(dx) < r - 10 and abs(dy) < r - 10)
    pins = (r - 7 <= abs(dx) < r - 3 and abs(dy) < r - 7 and int(dy + r) % 4 < 2)
    return body or pins


for _name, _shape in (("search.png", magnifier), ("WOL", power), ("mem_test", chip)):
    IMAGES.append(("icon_%s_enabled.png" % _name, 24, 24, glyph(_shape, INK, BAR)))
    _dark = "search" if _name == "search.png" else _name
    IMAGES.append(("icon_%s_dark.png" % _dark, 24, 24, glyph(_shape, DARK, WHITE)))


# Main window: the three states of a page tab (a frame 6 pixels wide around a fill, the frame
# being what the border image keeps at the corners) and the window icon.
def tab(edge, fill, size=24, border=6):
    def pixel(x, y):
        inside = border <= x < size - border and border <= y < size - border
        return fill if inside else edge
    return pixel


def window_magnifier(dx, dy, r):
    d = ((dx + 3) ** 2 + (dy + 3) ** 2) ** 0.5
    return 6 < d < 10 or (abs(dx - dy) < 2.5 and dx > 3 and dx < r - 2)


IMAGES += [
    ("tab_normal.png", 24, 24, tab((0xB4, 0xC3, 0xD2), (0xE6, 0xEC, 0xF2))),
    ("tab_hover.png", 24, 24, tab((0x8C, 0xA5, 0xBE), (0xF2, 0xF6, 0xFA))),
    ("tab_click.png", 24, 24, tab((0x00, 0x33, 0x66), (0xFF, 0xFF, 0xFF))),
    ("finder.png", 32, 32, glyph(window_magnifier, (0x1F, 0x4E, 0x79), WHITE, 32)),
]


# Installation progress: the step-row icons (done, current, skipped) and the Cancel action.
def check(dx, dy, r):
    return (abs(dy - dx - 1) < 1.6 and -5 < dx < 0) or (abs(dy + dx - 1) < 1.6 and -1 <= dx < 6)


def arrow(dx, dy, r):
    return (abs(dy) < 1.6 and -6 < dx < 1) or (0 <= dx < 6 and abs(dy) < 6 - dx)


def skip(dx, dy, r):
    return abs(dy) < 1.6 and abs(dx) < r - 3


def cross(dx, dy, r):
    return (abs(dx - dy) < 2 or abs(dx + dy) < 2) and abs(dx) < r - 5


IMAGES += [
    ("icon_checked.png", 16, 16, glyph(check, (0x2E, 0x9E, 0x3E), WHITE, 16)),
    ("icon_arrow.png", 16, 16, glyph(arrow, (0x1F, 0x4E, 0x79), WHITE, 16)),
    ("icon_skip.png", 16, 16, glyph(skip, (0x90, 0x90, 0x90), WHITE, 16)),
    ("icon_cancel_enabled.png", 24, 24, glyph(cross, INK, BAR)),
    ("icon_cancel_dark.png", 24, 24, glyph(cross, DARK, WHITE)),
]


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, w, h, pixel in IMAGES:
        write_png(os.path.join(OUT, name), w, h, pixel)


if __name__ == "__main__":
    main()
