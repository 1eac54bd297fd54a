#!/usr/bin/env python3
"""Plays the every-screen replay on the real content in a fresh folder and checks that each
screen's picture was written, full size and not one flat colour, with no message box shown.

Usage: content_menus_screens.py QVTOOL GRAPHICS_DAT DEFAULT_OPTIONS REPLAY WORK_DIR
"""
import os
import shutil
import struct
import subprocess
import sys

QVTOOL, ARCHIVE, OPTIONS, REPLAY, WORK = sys.argv[1:6]
EXPECTED = ["start", "options", "recordbook", "help1", "help2", "info", "credits", "choose",
            "auxclassic", "auxrelay", "auxunlimited", "briefing", "game"]

shutil.rmtree(WORK, ignore_errors=True)
os.makedirs(os.path.join(WORK, "bin"))
os.makedirs(os.path.join(WORK, "build", "screens"))
shutil.copy(ARCHIVE, os.path.join(WORK, "bin", "graphics.dat"))
shutil.copy(OPTIONS, os.path.join(WORK, "bin", "options.dat"))
result = subprocess.run([QVTOOL, "run", "--dir", "bin", "--replay", REPLAY, "--vars"], cwd=WORK,
                        capture_output=True, text=True, timeout=240)
output = result.stdout + result.stderr
if result.returncode != 0 or "messagebox:" in output:
    print("FAIL: run ended with %d:\n%s" % (result.returncode, output))
    sys.exit(1)
pictures = {}
for name in EXPECTED:
    path = os.path.join(WORK, "build", "screens", name + ".bmp")
    if not os.path.exists(path):
        print("FAIL: no picture of the screen " + name)
        sys.exit(1)
    with open(path, "rb") as f:
        data = f.read()
    width, height = struct.unpack("<ii", data[18:26])
    if data[:2] != b"BM" or width != 240 or abs(height) != 320:
        print("FAIL: %s is not a 240 x 320 bitmap (%d x %d)" % (name, width, height))
        sys.exit(1)
    offset = struct.unpack("<I", data[10:14])[0]
    if len(set(data[offset:])) < 8:
        print("FAIL: the picture of %s is nearly one colour" % name)
        sys.exit(1)
    pictures[name] = data[offset:]
# Each visit must have reached a different screen: two equal pictures mean a tap went nowhere.
seen = {}
for name, pixels in pictures.items():
    if name in ("briefing", "game"):
        continue  # the game screen moves on its own; compared by the game checks
    if pixels in seen:
        print("FAIL: %s shows the same picture as %s" % (name, seen[pixels]))
        sys.exit(1)
    seen[pixels] = name
print("ok: %d screens" % len(EXPECTED))
