#!/usr/bin/env python3
"""Fixed replays of whole games on the real content, played by qvtool run headless.

Usage: content_game_replays.py QVTOOL GRAPHICS_DAT REPLAY_DIR WORK_DIR CHECK

Each check plays tests/e2e/replays/game_CHECK.replay in a fresh install folder and fails on any
message box or script failure, on a wrong screen or application variable, or on a scores.dat
whose bytes are not the expected record. The replays tap where goos lay when they were made:
the headless world is the same on every run of the same replay, so the taps stay valid as long
as the game's rules, its level list and the menus' buttons stay as they are.
"""
import os
import re
import shutil
import struct
import subprocess
import sys

QVTOOL, ARCHIVE, REPLAYS, WORK, CHECK = sys.argv[1:6]

# The options the replays were made with: no clouds, no sound, the first colour scheme.
OPTIONS = """MusicOn = 0
SoundOn = 0
MusicVolume = 60
SoundVolume = 80
ConnectType = 0
CloudsOn = 0
BackgroundType = 0
ColorSpectrum = 0
MulticolorOn = 0
ScreenShotCount = 0
"""


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def play(name):
    """Plays game_NAME.replay in a fresh folder; returns (folder, application variables)."""
    folder = os.path.join(WORK, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(ARCHIVE, os.path.join(folder, "graphics.dat"))
    with open(os.path.join(folder, "options.dat"), "w") as f:
        f.write(OPTIONS)
    replay = os.path.join(REPLAYS, "game_%s.replay" % name)
    result = subprocess.run([QVTOOL, "run", "--dir", folder, "--replay", replay, "--vars"],
                            capture_output=True, text=True, timeout=300)
    if result.returncode != 0:
        fail("qvtool run exited with %d: %s" % (result.returncode, result.stderr.strip()))
    lines = result.stdout.splitlines()
    boxes = [l for l in lines if l.startswith("messagebox:")]
    if boxes:
        fail("message box in game_%s.replay: %s" % (name, boxes[0]))
    if result.stderr.strip():
        fail("script failures in game_%s.replay: %s" % (name, result.stderr.strip()))
    variables = {}
    for line in lines:
        key, sep, value = line.partition("=")
        if sep:
            variables[key] = value
    return folder, variables


def expect_var(variables, name, value):
    if variables.get(name) != value:
        fail("%s: expected %r, found %r" % (name, value, variables.get(name)))


def read_scores(folder):
    """scores.dat as a list of (mode, score, name, text); fails on a malformed file."""
    path = os.path.join(folder, "scores.dat")
    if not os.path.exists(path):
        fail("no scores.dat was written")
    with open(path, "rb") as f:
        data = f.read()
    if len(data) < 4:
        fail("scores.dat holds %d bytes, not even a count" % len(data))
    (count,) = struct.unpack_from("<i", data, 0)
    if count < 0 or len(data) != 4 + 32 * count:
        fail("scores.dat: count %d but %d bytes" % (count, len(data)))
    records = []
    for i in range(count):
        raw = data[4 + 32 * i:4 + 32 * (i + 1)]
        mode, score = struct.unpack_from("<Ii", raw, 0)
        name, text = raw[8:19], raw[19:32]
        if b"\0" not in name or b"\0" not in text:
            fail("record %d: a text without its terminating NUL" % i)
        records.append((mode, score, name.split(b"\0")[0].decode("latin-1"),
                        text.split(b"\0")[0].decode("latin-1")))
    return records


def expect_height_record(folder, mode, name):
    """One record of the mode with that name, whose text is its score in metres ("%3.2fm",
    20 world units a metre on the 240-pixel screen); returns the height."""
    records = read_scores(folder)
    if len(records) != 1:
        fail("expected one record, found %s" % records)
    got_mode, score, got_name, text = records[0]
    if got_mode != mode or got_name != name:
        fail("record %s: expected mode %d named %r" % (records[0], mode, name))
    match = re.fullmatch(r"(\d+\.\d\d)m", text)
    if not match:
        fail("record text %r is not a height in metres" % text)
    metres = float(match.group(1))
    if score <= 0 or abs(score / 20.0 - metres) > 0.05 + 1e-9:
        fail("score %d does not match the height %s" % (score, text))
    return metres


def check_classic():
    # Thirty goos built, ten seconds of control time, the result, then the name "bob".
    folder, variables = play("classic")
    expect_var(variables, "Shown", "RecordBook")
    if "PyramidHeight" in variables:
        fail("PyramidHeight outlived the result screen")
    # The base alone stands 2.25 m high: thirty goos more must have raised it.
    if expect_height_record(folder, 1, "bob") < 3.0:
        fail("the classic tower did not grow above its base")


def check_relay():
    # Level 1 built to its target on the real level list: level 2 is announced and begun.
    folder, variables = play("relay")
    expect_var(variables, "LevelAnnounced", "2")
    if os.path.exists(os.path.join(folder, "scores.dat")):
        fail("a relay still running wrote a record")
    for gone in ("EstafetLevel", "GoosFree", "NeedHeight", "LevelTime", "PyramidHeight"):
        if gone in variables:
            fail("%s outlived the level announcement" % gone)


def check_unlimited():
    # Left with the exit button at once: the record is the base's height, named "bob".
    folder, variables = play("unlimited")
    expect_var(variables, "Shown", "RecordBook")
    metres = expect_height_record(folder, 4, "bob")
    if not 2.0 < metres < 5.0:
        fail("the unlimited record %.2f m is not the height of the base" % metres)


def check_shop():
    # Five points earned, calm wind bought with them; the shop opened again reports what the
    # purchase left: no points, the wind calm, and no goos to sell in an unlimited game.
    folder, variables = play("shop")
    expect_var(variables, "Shown", "expwin")
    expect_var(variables, "CurrentExp", "0")
    expect_var(variables, "NoWind", "1")
    expect_var(variables, "NeedBlobs", "0")
    if os.path.exists(os.path.join(folder, "scores.dat")):
        fail("the unlimited game still running wrote a record")


{"classic": check_classic, "relay": check_relay, "unlimited": check_unlimited,
 "shop": check_shop}[CHECK]()
print("ok: " + CHECK)
