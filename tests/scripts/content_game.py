#!/usr/bin/env python3
"""End-to-end checks of the real game content: qvtool runs the built graphics.dat headless.

Usage: content_game.py QVTOOL GRAPHICS_DAT DEFAULT_OPTIONS WORK_DIR CHECK

Each check plays replays in a fresh install folder (graphics.dat and the default options.dat)
and fails on any message box, on a wrong screen, or on files that were not written as expected.
"""
import os
import shutil
import subprocess
import sys

QVTOOL, ARCHIVE, OPTIONS, WORK, CHECK = sys.argv[1:6]

# Centres of the start menu's buttons and of the way back on each screen it opens.
START_BUTTONS = {
    "ChooseForm": ((120, 120), (120, 264)),
    "OptionsForm": ((120, 146), (120, 254)),
    "RecordBook": ((120, 172), (120, 258)),
    "HelpForm": ((120, 198), (120, 248)),
    "InfoForm": ((120, 224), (120, 258)),
    "CreditsForm": ((120, 250), (120, 258)),
}
CHOOSE_BUTTONS = {  # the mode screens from the choice of game, and their way back
    "AuxClassicForm": ((120, 108), (120, 248)),
    "AuxEstafetForm": ((120, 154), (120, 248)),
    "AuxUnlimitedForm": ((120, 200), (120, 248)),
}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def fresh_folder(name):
    folder = os.path.join(WORK, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(ARCHIVE, os.path.join(folder, "graphics.dat"))
    shutil.copy(OPTIONS, os.path.join(folder, "options.dat"))
    return folder


def run(folder, lines):
    """Plays the replay lines; returns the application variables at the end."""
    replay = os.path.join(folder, "replay.txt")
    with open(replay, "w") as f:
        f.write("wait 300\n" + "\n".join(lines) + "\nwait 300\n")
    result = subprocess.run([QVTOOL, "run", "--dir", folder, "--replay", replay, "--vars"],
                            capture_output=True, text=True, timeout=120)
    if result.returncode != 0:
        fail("qvtool run exited with %d: %s" % (result.returncode, result.stderr.strip()))
    boxes = [l for l in result.stdout.splitlines() if l.startswith("messagebox:")]
    if boxes:
        fail("message box during %s: %s" % (lines, boxes[0]))
    variables = {}
    for line in result.stdout.splitlines():
        key, sep, value = line.partition("=")
        if sep:
            variables[key] = value
    return variables


def tap(point):
    return ["tap %d %d" % point, "wait 300"]


def expect_shown(variables, form, what):
    if variables.get("Shown") != form:
        fail("%s: expected %s on screen, found %s" % (what, form, variables.get("Shown")))


def check_screens():
    folder = fresh_folder("screens")
    expect_shown(run(folder, []), "StartForm", "start")
    for form, (button, back) in START_BUTTONS.items():
        expect_shown(run(folder, tap(button)), form, "start menu -> " + form)
        expect_shown(run(folder, tap(button) + tap(back)), "StartForm", form + " -> back")
    choose = tap(START_BUTTONS["ChooseForm"][0])
    for form, (button, back) in CHOOSE_BUTTONS.items():
        expect_shown(run(folder, choose + tap(button)), form, "choice -> " + form)
        expect_shown(run(folder, choose + tap(button) + tap(back)), "ChooseForm", form + " -> back")
    # Escape leaves any menu screen for the start menu.
    expect_shown(run(folder, tap(START_BUTTONS["InfoForm"][0]) + ["key 27", "wait 300"]),
                 "StartForm", "Escape on the info screen")
    # Help pages turn forwards and back, and the screen still leads back.
    expect_shown(run(folder, tap(START_BUTTONS["HelpForm"][0]) + tap((206, 248)) * 4 +
                     tap((30, 248)) + tap((120, 248))), "StartForm", "help pages")


def read_options(folder):
    values = {}
    with open(os.path.join(folder, "options.dat")) as f:
        for line in f:
            key, _, value = line.partition("=")
            values[key.strip()] = value.strip()
    return values


def check_options():
    folder = fresh_folder("options")
    music_right_arrow = (213, 212)
    run(folder, tap(START_BUTTONS["OptionsForm"][0]) + tap(music_right_arrow) + ["quit"])
    if read_options(folder).get("MusicVolume") != "80":
        fail("the music volume raised from 60 was not saved: %s" % read_options(folder))
    # A second start keeps it, and its shutdown writes it back unchanged.
    variables = run(folder, tap(START_BUTTONS["OptionsForm"][0]))
    expect_shown(variables, "OptionsForm", "options after a restart")
    if read_options(folder).get("MusicVolume") != "80":
        fail("the saved music volume did not survive a restart: %s" % read_options(folder))


def check_screenshot():
    folder = fresh_folder("screenshot")
    # F8 is the game screen's key: start a classic game, then take the picture.
    to_game = tap(START_BUTTONS["ChooseForm"][0]) + tap(CHOOSE_BUTTONS["AuxClassicForm"][0]) + \
        tap((120, 208))
    expect_shown(run(folder, to_game + ["key 119", "wait 300"]), "GameForm", "F8 in a game")
    shot = os.path.join(folder, "screenshot0001.bmp")
    if not os.path.exists(shot):
        fail("F8 wrote no screenshot0001.bmp: %s" % os.listdir(folder))
    with open(shot, "rb") as f:
        header = f.read(26)
    if header[:2] != b"BM" or int.from_bytes(header[18:22], "little") != 240:
        fail("screenshot0001.bmp is not a 240-pixel-wide bitmap")
    if read_options(folder).get("ScreenShotCount") != "1":
        fail("the screenshot counter was not saved")


{"screens": check_screens, "options": check_options, "screenshot": check_screenshot}[CHECK]()
print("ok: " + CHECK)
