#!/usr/bin/env python3
"""Writes the photo-upload page's file-type icons into res/images/.

Four 16x16 pictures for the file table's name cells: a folder, a photo (a small landscape),
a video (a film strip) and any other file (a page with a folded corner). The video icon is a
GIF; it is written as PNG first and turned into GIF with ImageMagick's convert.

Run from anywhere: python3 scripts/make-file-type-icons.py
"""
import os
import struct
import subprocess
import zlib

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "images")
SIZE = 16


def write_png(path, pixel):
    """pixel(x, y) -> (r, g, b, a); writes an 8-bit RGBA PNG of SIZE x SIZE."""
    rows = bytearray()
    for y in range(SIZE):
        rows.append(0)
        for x in range(SIZE):
            rows.extend(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


CLEAR = (0, 0, 0, 0)
EDGE = (0x40, 0x40, 0x40, 0xFF)


def folder(x, y):
    if y < 3 or y > 13 or x < 1 or x > 14:
        return CLEAR
    if y == 3:
        return EDGE if 1 <= x <= 6 else CLEAR
    if x in (1, 14) or y in (4, 13) or (y == 5 and x > 6):
        return (0xB0, 0x80, 0x10, 0xFF)
    return (0xF2, 0xC6, 0x4A, 0xFF)


def photo(x, y):
    if x < 1 or x > 14 or y < 2 or y > 13:
        return CLEAR
    if x in (1, 14) or y in (2, 13):
        return EDGE
    if (x - 10) ** 2 + (y - 5) ** 2 <= 2:
        return (0xF8, 0xD8, 0x30, 0xFF)  # sun
    if y >= 8 + abs(x - 6) // 2:
        return (0x3A, 0x8A, 0x3A, 0xFF)  # hill
    return (0x8C, 0xC4, 0xF0, 0xFF)  # sky


def video(x, y):
    if x < 1 or x > 14 or y < 2 or y > 13:
        return CLEAR
    if x in (1, 2, 13, 14):
        if y % 2 == 0:
            return (0xE0, 0xE0, 0xE0, 0xFF)  # sprocket holes
        return (0x20, 0x20, 0x20, 0xFF)
    if y in (2, 13):
        return (0x20, 0x20, 0x20, 0xFF)
    if 6 <= x <= 10 and abs(y - 7.5) <= (11 - x) * 0.7:
        return (0xFF, 0xFF, 0xFF, 0xFF)  # play triangle
    return (0x50, 0x60, 0xC0, 0xFF)


def other(x, y):
    if x < 3 or x > 12 or y < 1 or y > 14:
        return CLEAR
    if x >= 9 and y <= 4:  # folded corner
        if x - 9 > y - 1:
            return CLEAR
        return EDGE if x - 9 == y - 1 or x == 12 or y == 4 else (0xC8, 0xC8, 0xC8, 0xFF)
    if x in (3, 12) or y in (1, 14):
        return EDGE
    if y in (5, 7, 9, 11) and 5 <= x <= 10:
        return (0x90, 0x90, 0x90, 0xFF)  # lines of text
    return (0xFF, 0xFF, 0xFF, 0xFF)


def main():
    write_png(os.path.join(OUT, "icon_photo_folder.png"), folder)
    write_png(os.path.join(OUT, "icon_photo_photo.png"), photo)
    write_png(os.path.join(OUT, "icon_photo_other.png"), other)
    tmp = os.path.join(OUT, "icon_photo_video.tmp.png")
    write_png(tmp, video)
    subprocess.check_call(["convert", tmp, os.path.join(OUT, "icon_photo_video.gif")])
    os.remove(tmp)


if __name__ == "__main__":
    main()
