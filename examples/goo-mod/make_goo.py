#!/usr/bin/env python3
"""Draws the example mod's goo: a magenta ball with a soft pink highlight and an antialiased
rim, as a 48 x 48 RGBA PNG, with nothing but the standard library.

    python3 make_goo.py OUT.png

qvtool pack encodes it as gooimage0.sft (see mod.manifest); the game resamples it to the size
of a goo on screen.
"""
import math
import struct
import sys
import zlib

SIZE = 48
BODY = (255, 0, 255)       # magenta: RGB565 0xF81F, a colour the game's own art never uses
HIGHLIGHT = (255, 200, 255)


def pixel(x, y):
    """RGBA of the pixel whose centre is (x + 0.5, y + 0.5)."""
    centre = SIZE / 2
    dx, dy = x + 0.5 - centre, y + 0.5 - centre
    distance = math.hypot(dx, dy)
    radius = centre - 1
    coverage = max(0.0, min(1.0, radius - distance + 0.5))  # one pixel of rim blending
    if coverage == 0.0:
        return (0, 0, 0, 0)
    # The highlight: a small disc up and to the left, fading out over its radius.
    hx, hy = dx + SIZE * 0.17, dy + SIZE * 0.17
    shine = max(0.0, 1.0 - math.hypot(hx, hy) / (SIZE * 0.14))
    colour = tuple(round(b + (h - b) * shine) for b, h in zip(BODY, HIGHLIGHT))
    return colour + (round(255 * coverage),)


def png(width, height, rows):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    raw = b"".join(b"\x00" + bytes(v for p in row for v in p) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)  # 8-bit RGBA
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw))
            + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_goo.py OUT.png")
    rows = [[pixel(x, y) for x in range(SIZE)] for y in range(SIZE)]
    with open(sys.argv[1], "wb") as out:
        out.write(png(SIZE, SIZE, rows))


if __name__ == "__main__":
    main()
