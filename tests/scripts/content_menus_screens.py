#!/usr/bin/env python3
"""Plays the every-screen replay on the real content in a fresh folder and checks that each
screen's picture was written at full size and not one flat colour, that each shows the screen
its name says, and that no message box was shown.

Usage: content_menus_screens.py QVTOOL GRAPHICS_DAT DEFAULT_OPTIONS REPLAY WORK_DIR
"""
import os
import shutil
import struct
import subprocess
import sys

QVTOOL, ARCHIVE, OPTIONS, REPLAY, WORK = sys.argv[1:6]
EXPECTED = ["start", "options", "recordbook", "help1", "help2", "help4", "info", "credits",
            "choose", "auxclassic", "auxrelay", "auxunlimited", "briefing", "game", "tower",
            "shop", "leave", "records"]

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
# Each picture must show the screen its name says: the replay is cut after each shot and the
# screen shown at that moment is read from the application variables.
SHOWN = {"start": "StartForm", "options": "OptionsForm", "recordbook": "RecordBook",
         "help1": "HelpForm", "help2": "HelpForm", "info": "InfoForm", "credits": "CreditsForm",
         "choose": "ChooseForm", "auxclassic": "AuxClassicForm", "auxrelay": "AuxEstafetForm",
         "auxunlimited": "AuxUnlimitedForm", "briefing": "clbrief", "help4": "HelpForm",
         "shop": "expwin", "leave": "LeaveGame", "records": "RecordBook"}
with open(REPLAY) as f:
    lines = f.read().splitlines()
for index, line in enumerate(lines):
    if not line.startswith("shot "):
        continue
    name = os.path.splitext(os.path.basename(line.split()[1]))[0]
    if name not in SHOWN:
        continue
    # The run ends with the replay (a "quit" line would ask before leaving a game).
    prefix = os.path.join(WORK, "prefix.replay")
    with open(prefix, "w") as f:
        f.write("\n".join(lines[:index]) + "\n")
    run = subprocess.run([QVTOOL, "run", "--dir", "bin", "--replay", prefix, "--vars"], cwd=WORK,
                         capture_output=True, text=True, timeout=240)
    shown = [l[6:] for l in run.stdout.splitlines() if l.startswith("Shown=")]
    if shown != [SHOWN[name]]:
        print("FAIL: the picture %s shows %s, expected %s" % (name, shown, SHOWN[name]))
        sys.exit(1)
print("ok: %d screens" % len(EXPECTED))
