#!/usr/bin/env python3
"""Writes the inputs of the qvtool tests into DIR: in.png, a 6x4 picture of 24 colours with
translucent and clear pixels, and damaged.dat, an archive whose one entry claims a stored size
far past the end of the file.

Usage: res_inputs.py DIR
"""
import os
import struct
import sys
import zlib


def png(width, height, rgba_rows):
    """An 8-bit RGBA PNG from rows of (r, g, b, a) tuples."""
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rgba_rows)
    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw)) + \
        chunk(b"IEND", b"")


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    rows = [[(40 * x, 60 * y, 255 - 30 * x, 255 if x < 4 else (0 if y == 0 else 128))
             for x in range(6)] for y in range(4)]
    with open(os.path.join(out, "in.png"), "wb") as f:
        f.write(png(6, 4, rows))
    name = bytes(c ^ 0xA5 for c in b"broken.txt".ljust(16, b"\0"))
    entry = name + struct.pack("<II", 1000, 5) + b"x\x9c"
    with open(os.path.join(out, "damaged.dat"), "wb") as f:
        f.write(b"1.00" + struct.pack("<I", 8 + len(entry)) + entry)


main()
