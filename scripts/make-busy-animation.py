#!/usr/bin/env python3
"""Writes the busy animation res/images/refreshing.gif.

Eight dots on a ring, 16 x 16 pixels on a transparent ground. In each of the eight frames one
dot is dark (the head) and the three behind it fade out, so the head runs round clockwise,
starting at the top. 100 ms per frame, repeated for ever. The GIF writer below is our own
(pure Python, no dependencies), so the file can be made again anywhere.

Run from anywhere: python3 scripts/make-busy-animation.py
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "res", "images",
                   "refreshing.gif")

SIZE = 16
FRAMES = 8
DELAY_CS = 10            # frame delay in hundredths of a second
RING_RADIUS = 5.5
DOT_RADIUS = 1.7
CENTRE = (SIZE - 1) / 2.0 + 0.5   # pixel centres lie at x + 0.5

TRANSPARENT = 0
# Index 0 is the transparent ground; 1 is the head, 2 and 3 the dots behind it, 4 the others.
PALETTE = [
    (0xF0, 0xF0, 0xF0),
    (0x1F, 0x4E, 0x79),
    (0x4A, 0x78, 0xA8),
    (0x86, 0xA8, 0xCC),
    (0xC4, 0xD4, 0xE6),
    (0x00, 0x00, 0x00),
    (0x00, 0x00, 0x00),
    (0x00, 0x00, 0x00),
]
MIN_CODE_SIZE = 3        # 8 palette entries


def dot_centre(position):
    """Centre of dot `position` (0 at the top, clockwise on the screen)."""
    angle = -math.pi / 2 + position * 2 * math.pi / FRAMES
    return (CENTRE + RING_RADIUS * math.cos(angle), CENTRE + RING_RADIUS * math.sin(angle))


def frame_pixels(frame):
    """Palette indices of one frame, row by row."""
    shade = {0: 1, 1: 2, 2: 3}
    pixels = []
    for y in range(SIZE):
        for x in range(SIZE):
            value = TRANSPARENT
            for position in range(FRAMES):
                cx, cy = dot_centre(position)
                if math.hypot(x + 0.5 - cx, y + 0.5 - cy) <= DOT_RADIUS:
                    age = (frame - position) % FRAMES
                    value = shade.get(age, 4)
            pixels.append(value)
    return pixels


def lzw(indices, min_code_size):
    """GIF flavour of LZW: variable code width from min_code_size + 1 up to 12 bits, codes
    packed least significant bit first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    state = {"acc": 0, "bits": 0}

    def emit(code, width):
        state["acc"] |= code << state["bits"]
        state["bits"] += width
        while state["bits"] >= 8:
            out.append(state["acc"] & 0xFF)
            state["acc"] >>= 8
            state["bits"] -= 8

    def fresh():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = fresh()
    emit(clear, width)
    word = ()
    for index in indices:
        longer = word + (index,)
        if longer in table:
            word = longer
            continue
        emit(table[word], width)
        table[longer] = next_code
        next_code += 1
        # The decoder adds its entries one code later, so it widens its codes when the entry
        # just added here has the number 1 << width.
        if next_code > (1 << width) and width < 12:
            width += 1
        if next_code >= 4096:
            emit(clear, width)
            table, next_code, width = fresh()
        word = (index,)
    if word:
        emit(table[word], width)
    emit(end, width)
    if state["bits"]:
        out.append(state["acc"] & 0xFF)
    return bytes(out)


def sub_blocks(data):
    blocks = bytearray()
    for start in range(0, len(data), 255):
        part = data[start:start + 255]
        blocks.append(len(part))
        blocks.extend(part)
    blocks.append(0)
    return bytes(blocks)


def write_gif(path):
    gif = bytearray(b"GIF89a")
    # Logical screen: global colour table of 2^(2+1) = 8 entries, background index 0.
    gif += struct.pack("<HHBBB", SIZE, SIZE, 0x80 | 0x70 | (MIN_CODE_SIZE - 1), TRANSPARENT, 0)
    for rgb in PALETTE:
        gif += bytes(rgb)
    # Repeat for ever.
    gif += b"\x21\xFF\x0BNETSCAPE2.0\x03\x01" + struct.pack("<H", 0) + b"\x00"
    for frame in range(FRAMES):
        # Graphic control: dispose to background (the ground stays clear), transparent index.
        gif += b"\x21\xF9\x04" + bytes([(2 << 2) | 0x01]) + struct.pack("<H", DELAY_CS)
        gif += bytes([TRANSPARENT, 0])
        gif += b"\x2C" + struct.pack("<HHHHB", 0, 0, SIZE, SIZE, 0)
        gif.append(MIN_CODE_SIZE)
        gif += sub_blocks(lzw(frame_pixels(frame), MIN_CODE_SIZE))
    gif += b"\x3B"
    with open(path, "wb") as f:
        f.write(gif)


if __name__ == "__main__":
    write_gif(OUT)
    print("wrote", os.path.normpath(OUT))
