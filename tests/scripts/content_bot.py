#!/usr/bin/env python3
"""A player for the end-to-end tests: it looks at the screen the way a person does and builds.

Usage (as a module): next_move(shot) reads a frame the game wrote as a bitmap and gives the
replay lines of the next drag. The world is the same on every run of the same replay, so the
caller replays everything so far, takes the last frame, and asks for a move: a free goo in the
picture (a solid ellipse of the goo colour), dragged to just above the tower's highest link
(drawn in the link colour).
"""
import struct

GOO = 0xE8413C   # the first goo colour: every goo has it while the scheme is the first one
LINK = 0x9A2420  # and its links
TOOLBAR = 26     # rows of the toolbar at the top of the 240 x 320 game screen


def to555(rgb):
    return (((rgb >> 19) & 31) << 10) | (((rgb >> 11) & 31) << 5) | ((rgb >> 3) & 31)


def read_bmp(path):
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height = struct.unpack_from("<ii", data, 18)
    pitch = (width * 2 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        source_row = abs(height) - 1 - y if height > 0 else y
        start = offset + source_row * pitch
        rows.append(struct.unpack_from("<%dH" % width, data, start))
    return width, abs(height), rows


def components(rows, width, height, colour, top):
    """Connected areas of exactly this colour below row top: (pixel count, centre x, centre y)."""
    seen = set()
    found = []
    for y in range(top, height):
        for x in range(width):
            if rows[y][x] != colour or (x, y) in seen:
                continue
            stack, pixels = [(x, y)], []
            seen.add((x, y))
            while stack:
                px, py = stack.pop()
                pixels.append((px, py))
                for nx, ny in ((px + 1, py), (px - 1, py), (px, py + 1), (px, py - 1)):
                    if 0 <= nx < width and top <= ny < height and (nx, ny) not in seen \
                            and rows[ny][nx] == colour:
                        seen.add((nx, ny))
                        stack.append((nx, ny))
            cx = sum(p[0] for p in pixels) // len(pixels)
            cy = sum(p[1] for p in pixels) // len(pixels)
            found.append((len(pixels), cx, cy))
    return found


def next_move(shot, attempt=0, scale=1):
    """The drag that places one more goo, or None when no free goo is to be seen. attempt
    varies the drop point a little, so a drop that was refused is not repeated exactly; scale 2
    reads a 480 x 640 screen, where everything is twice as large."""
    width, height, rows = read_bmp(shot)
    top = TOOLBAR * scale
    found = components(rows, width, height, to555(GOO), top)
    # Whole goos first; a goo that has crawled behind the tower's blobs shows only a sliver.
    area = scale * scale
    goos = [c for c in found if c[0] >= 25 * area] or [c for c in found if c[0] >= 6 * area]
    if not goos:
        return None
    links = [(y, x) for y in range(top, height) for x in range(width)
             if rows[y][x] == to555(LINK)]
    if not links:
        return None
    top_y, top_x = min(links)
    # Three quarters of the way from the middle of the tower's links to the top, so a tall thin
    # top is not loaded further out on the side it leans to.
    xs = sorted(x for _, x in links)
    top_x = (top_x * 3 + xs[len(xs) // 2]) // 4
    # The goo lying lowest is the one resting on the ground: it holds still while picked.
    _, gx, gy = max(goos, key=lambda c: c[2])
    tx = top_x + (0, -6, 6)[attempt % 3] * scale
    ty = max(top + 12 * scale, top_y - (20, 14, 26)[(attempt // 3) % 3] * scale)
    return ["down %d %d" % (gx, gy), "wait 80", "move %d %d" % ((gx + tx) // 2, (gy + ty) // 2),
            "wait 80", "move %d %d" % (tx, ty), "wait 80", "up %d %d" % (tx, ty), "wait 600"]
