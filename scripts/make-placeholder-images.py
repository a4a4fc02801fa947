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


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, w, h, pixel in IMAGES:
        write_png(os.path.join(OUT, name), w, h, pixel)


if __name__ == "__main__":
    main()
