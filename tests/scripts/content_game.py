#!/usr/bin/env python3
"""End-to-end checks of the real game content: qvtool runs the built graphics.dat headless.

Usage: content_game.py QVTOOL GRAPHICS_DAT DEFAULT_OPTIONS WORK_DIR CHECK [SCALE]

Each check plays replays in a fresh install folder (graphics.dat and the default options.dat)
and fails on any message box, on a wrong screen, or on files that were not written as expected.
SCALE 2 plays the high-resolution content on a 480 x 640 display: every position below is
written for 240 x 320 and doubled.
"""
import os
import shutil

import content_bot
import subprocess
import sys

QVTOOL, ARCHIVE, OPTIONS, WORK, CHECK = sys.argv[1:6]
SCALE = int(sys.argv[6]) if len(sys.argv) > 6 else 1

# Centres of the start menu's buttons and of the way back on each screen it opens.
START_BUTTONS = {
    "ChooseForm": ((120, 114), (120, 252)),
    "OptionsForm": ((120, 133), (120, 254)),
    "RecordBook": ((120, 152), (120, 246)),
    "HelpForm": ((120, 171), (120, 248)),
    "InfoForm": ((120, 190), (120, 216)),
    "CreditsForm": ((120, 209), (120, 216)),
}
CHOOSE_BUTTONS = {  # the mode screens from the choice of game, and their way back
    "AuxClassicForm": ((120, 108), (188, 208)),
    "AuxEstafetForm": ((120, 154), (188, 208)),
    "AuxUnlimitedForm": ((120, 200), (188, 208)),
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


def run(folder, lines, shot=None):
    """Plays the replay lines (then writes the last frame to shot); returns the application
    variables at the end."""
    replay = os.path.join(folder, "replay.txt")
    with open(replay, "w") as f:
        f.write("wait 300\n" + "\n".join(lines) + "\nwait 300\n")
        if shot:
            f.write("shot %s\n" % shot)
    display = "%dx%d" % (240 * SCALE, 320 * SCALE)
    result = subprocess.run([QVTOOL, "run", "--dir", folder, "--replay", replay, "--vars",
                             "--display", display], capture_output=True, text=True, timeout=240)
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
    return ["tap %d %d" % (point[0] * SCALE, point[1] * SCALE), "wait 300"]


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
    expect_shown(run(folder, tap(START_BUTTONS["HelpForm"][0]) + tap((206, 248)) * 5 +
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
    # Every box steps the same with the keys as with the mouse: the choice takes effect and is
    # the one written (the default options leave room to step each box one way or both).
    boxes = [("ConnectType", 72), ("BackgroundType", 100), ("ColorSpectrum", 128),
             ("CloudsOn", 156), ("SoundVolume", 184), ("MusicVolume", 212)]
    defaults = read_options(fresh_folder("options-default"))
    for index, (key, y) in enumerate(boxes):
        for code, arrow in ((37, (97, y)), (39, (213, y))):
            by_keys, by_mouse = fresh_folder("options-keys"), fresh_folder("options-mouse")
            run(by_keys, tap(START_BUTTONS["OptionsForm"][0]) + ["key 40", "wait 100"] *
                (index + 1) + ["key %d" % code, "wait 300", "quit"])
            run(by_mouse, tap(START_BUTTONS["OptionsForm"][0]) + tap(arrow) + ["quit"])
            keys, mouse = read_options(by_keys), read_options(by_mouse)
            if keys != mouse:
                fail("key %d on %s wrote %s, the mouse %s" % (code, key, keys, mouse))
            if mouse == defaults and arrow[0] == 213 and key != "CloudsOn":
                fail("the right arrow of %s changed nothing: %s" % (key, mouse))


def check_screenshot():
    folder = fresh_folder("screenshot")
    # F8 is the game screen's key: start a classic game, then take the picture.
    to_game = tap(START_BUTTONS["ChooseForm"][0]) + tap(CHOOSE_BUTTONS["AuxClassicForm"][0]) + \
        tap((120, 208))
    expect_shown(run(folder, to_game + ["key 119", "wait 300"]), "GameForm", "F8 in a game")
    shot = os.path.join(folder, "screenshot0001.bmp")
    # A counter behind the pictures on disk (options.dat older than them) skips their numbers.
    kept = os.path.join(fresh_folder("screenshot-kept"), "screenshot0001.bmp")
    with open(kept, "wb") as f:
        f.write(b"an earlier picture")
    run(os.path.dirname(kept), to_game + ["key 119", "wait 300"])
    with open(kept, "rb") as f:
        if f.read() != b"an earlier picture":
            fail("F8 overwrote an earlier screenshot")
    if not os.path.exists(kept.replace("0001", "0002")):
        fail("F8 did not go on to screenshot0002.bmp: %s" % os.listdir(os.path.dirname(kept)))
    if not os.path.exists(shot):
        fail("F8 wrote no screenshot0001.bmp: %s" % os.listdir(folder))
    with open(shot, "rb") as f:
        header = f.read(26)
    if header[:2] != b"BM" or int.from_bytes(header[18:22], "little") != 240 * SCALE:
        fail("screenshot0001.bmp is not a %d-pixel-wide bitmap" % (240 * SCALE))
    if read_options(folder).get("ScreenShotCount") != "1":
        fail("the screenshot counter was not saved")


# Keyboard keys of the record book's on-screen keyboard (it lies at 10, 196; keys are 20 wide).
NAME_KEYS = {"b": (120, 257), "o": (187, 221), "t": (110, 221)}
ENTER = (215, 239)


def start_mode(button):
    return tap(START_BUTTONS["ChooseForm"][0]) + tap(CHOOSE_BUTTONS[button][0]) + tap((120, 208))


def build(folder, lines, placements):
    """Places up to `placements` goos after lines; returns the replay so far and how many."""
    placed = misses = 0
    shot = os.path.join(folder, "frame.bmp")
    while placed < placements:
        run(folder, lines, shot)
        move = content_bot.next_move(shot, placed, SCALE)
        if move is None:
            # Goos appear high in the sky: wait for late ones before calling it done.
            misses += 1
            if misses > 8:
                break
            lines = lines + ["wait 1000"]
            continue
        misses = 0
        # run() takes its picture 300 ms after the lines end: the drag starts at that moment.
        lines = lines + ["wait 300"] + move
        placed += 1
    return lines, placed


def type_name(name):
    lines = []
    for letter in name:
        lines += tap(NAME_KEYS[letter])
    return lines + tap(ENTER)


def read_scores(folder):
    with open(os.path.join(folder, "scores.dat"), "rb") as f:
        return f.read()


def parse_scores(data):
    """scores.dat: a count, then 32-byte records (mode, score, name, score text)."""
    count = int.from_bytes(data[0:4], "little", signed=True)
    if len(data) != 4 + 32 * count:
        fail("scores.dat holds %d bytes for %d records" % (len(data), count))
    records = []
    for i in range(count):
        r = data[4 + 32 * i: 36 + 32 * i]
        records.append((int.from_bytes(r[0:4], "little"), int.from_bytes(r[4:8], "little", signed=True),
                        r[8:19].split(b"\0")[0].decode("latin-1"),
                        r[19:32].split(b"\0")[0].decode("latin-1")))
    return records


def write_scores(folder, records):
    with open(os.path.join(folder, "scores.dat"), "wb") as f:
        f.write(len(records).to_bytes(4, "little"))
        for mode, score, name in records:
            text = "%.2fm" % (score / (20.0 * SCALE))
            f.write(mode.to_bytes(4, "little") + score.to_bytes(4, "little", signed=True) +
                    name.encode().ljust(11, b"\0") + text.encode().ljust(13, b"\0"))


def expect_height_record(folder, mode, others=0):
    """Besides `others` records, one record of the mode named "bot", whose text is its score
    shown in metres (a metre is a twelfth of the screen's width in world units)."""
    records = parse_scores(read_scores(folder))
    bots = [r for r in records if r[2] == "bot"]
    if len(records) != others + 1 or len(bots) != 1:
        fail("expected %d records and one of bot, found %s" % (others + 1, records))
    got_mode, score, name, text = bots[0]
    if got_mode != mode or not text.endswith("m"):
        fail("unexpected record %s" % (bots[0],))
    if abs(float(text[:-1]) - score / (20.0 * SCALE)) > 0.06:
        fail("the record's text %s does not show its score %d" % (text, score))


def expect_rows_written(shot, rows):
    """Each of the record book's first rows shows text in the font of its title. The font's
    colours are those of the title's band that the empty band below it lacks."""
    width, height, pixels = content_bot.read_bmp(shot)
    s = SCALE

    def band(y0, y1):
        return [pixels[y][x] for y in range(y0 * s, y1 * s) for x in range(20 * s, 220 * s)]

    font = set(band(28, 42)) - set(band(60, 70))
    for row in range(5):
        y = 72 + 22 * row
        written = sum(1 for p in band(y, y + 14) if p in font) >= 15 * s * s
        if written != (row < rows):
            fail("row %d of the record book %s" % (row, "shows no text" if row < rows else
                                                    "shows text beyond the %d records" % rows))


def browse_records(folder, tab, shot):
    """Restarts the game, opens Records from the start menu and picks a game's tab."""
    tabs = {"classic": (40, 53), "relay": (120, 53), "unlimited": (200, 53)}
    variables = run(folder, tap(START_BUTTONS["RecordBook"][0]) + tap(tabs[tab]), shot)
    expect_shown(variables, "RecordBook", "Records from the start menu")


def check_classic():
    folder = fresh_folder("classic")
    # Four earlier classic records, far above what the player builds: the book shows five rows.
    write_scores(folder, [(1, (2000 + 200 * i) * SCALE, "seed%d" % i) for i in range(4)])
    # The briefing comes two seconds in; its button closes it.
    lines = start_mode("AuxClassicForm") + ["wait 2500"] + tap((120, 190)) + ["wait 2500"]
    # The toolbar counts the goos left down from thirty as they are built.
    first = os.path.join(folder, "first.bmp")
    if run(folder, lines, first).get("GoosLeft") != "30":
        fail("a new classic game does not have 30 goos left")
    lines, placed = build(folder, lines, 3)
    later = os.path.join(folder, "later.bmp")
    left = run(folder, lines, later).get("GoosLeft")
    if left != str(30 - placed):
        fail("%d goos built, yet %s goos left" % (placed, left))
    if toolbar_text(first) == toolbar_text(later):
        fail("the goos left on the toolbar did not change as goos were built")
    lines, more = build(folder, lines, 77)
    placed += more
    if placed < 30:
        fail("only %d drags could be made for the thirty goos" % placed)
    # Escape over the result closes it as its button does: the record book asks for a name.
    escaped = fresh_folder("classic-escape")
    write_scores(escaped, [(1, (2000 + 200 * i) * SCALE, "seed%d" % i) for i in range(4)])
    expect_shown(run(escaped, lines + ["wait 12000", "key 27", "wait 300"]), "RecordBook",
                 "Escape over the classic result")
    # Ten seconds of control time, the result, then the record book asks for a name.
    lines += ["wait 12000"] + tap((120, 190))
    variables = run(folder, lines)
    expect_shown(variables, "RecordBook", "after the classic result")
    book = os.path.join(folder, "book.bmp")
    run(folder, lines + type_name("bot"), book)
    expect_height_record(folder, 1, others=4)
    expect_rows_written(book, 5)
    # The same five, read back from scores.dat, when the menu opens the book after a restart.
    browse_records(folder, "classic", book)
    expect_rows_written(book, 5)


def check_relay():
    folder = fresh_folder("relay")
    # Level 1 is announced two seconds in; pass it and the second level is announced.
    lines = start_mode("AuxEstafetForm") + ["wait 2500"] + tap((120, 180)) + ["wait 6000"]
    lines, placed = build(folder, lines, 60)
    lines += ["wait 12000"]
    variables = run(folder, lines)
    if variables.get("LevelAnnounced") != "2":
        fail("level 1 was not passed into level 2 (%d goos placed): %s" %
             (placed, variables.get("LevelAnnounced")))


def toolbar_text(shot):
    """The toolbar's pixels between the exit button and the star, where the counters are."""
    width, height, pixels = content_bot.read_bmp(shot)
    return [pixels[y][x] for y in range(0, 24 * SCALE) for x in range(84 * SCALE, 200 * SCALE)]


def check_unlimited():
    folder = fresh_folder("unlimited")
    write_scores(folder, [(2, 700 * SCALE, "relay")])
    lines, placed = build(folder, start_mode("AuxUnlimitedForm") + ["wait 7000"], 6)
    if placed < 6:
        fail("only %d goos could be placed in the unlimited game" % placed)
    # The exit button asks first: playing on keeps the game, leaving records the best height
    # and asks for a name.
    lines += tap((67, 12))
    expect_shown(run(folder, lines), "LeaveGame", "the exit button")
    expect_shown(run(folder, lines + tap((60, 176))), "GameForm", "playing on")
    lines += tap((175, 176))
    expect_shown(run(folder, lines), "RecordBook", "after leaving the unlimited game")
    run(folder, lines + type_name("bot"))
    expect_height_record(folder, 4, others=1)
    # After a restart the menu's record book shows each game's records, and none for classic.
    book = os.path.join(folder, "book.bmp")
    for tab, rows in (("unlimited", 1), ("relay", 1), ("classic", 0)):
        browse_records(folder, tab, book)
        expect_rows_written(book, rows)


def check_shop():
    folder = fresh_folder("shop")
    lines, placed = build(folder, start_mode("AuxUnlimitedForm") + ["wait 7000"], 30)
    # The star opens the shop; calm wind is the first aid, bought when the points allow it.
    lines += tap((225, 12))
    variables = run(folder, lines)
    expect_shown(variables, "expwin", "the experience star")
    points = int(variables.get("CurrentExp", "0"))
    if points < 5:
        fail("no experience points after %d placements" % placed)
    bought = run(folder, lines + tap((80, 118)) + tap((225, 12)))
    if int(bought.get("CurrentExp", "0")) != points - 5:
        fail("calm wind did not cost 5 points: %s -> %s" % (points, bought.get("CurrentExp")))
    # The magic goo, bought next, falls and climbs into the crowd of goos on the tower; pressed
    # there it is the goo taken, and it stays pink in the hand.
    if points < 20:
        fail("%d points are too few for calm wind and a magic goo" % points)
    lines += tap((80, 118)) + tap((225, 12)) + tap((80, 181)) + ["wait 20000"]
    shot = os.path.join(folder, "magic.bmp")
    run(folder, lines, shot)
    before = magic_pixels(shot)
    if not before:
        fail("the magic goo is not to be seen 20 s after it was bought")
    x = sum(p[0] for p in before) // len(before)
    y = sum(p[1] for p in before) // len(before)
    lines += ["wait 300", "down %d %d" % (x, y), "move %d %d" % (x, y - 50 * SCALE), "wait 100"]
    run(folder, lines, shot)
    after = magic_pixels(shot)
    if not after or min(p[1] for p in after) > y - 40 * SCALE:
        fail("the magic goo at %d, %d was not taken from the tower" % (x, y))


def magic_pixels(shot):
    """The points of the magic goo's pink (0xFF50D8) below the toolbar."""
    width, height, rows = content_bot.read_bmp(shot)
    return [(x, y) for y in range(30 * SCALE, height) for x, v in enumerate(rows[y])
            if ((v >> 10) & 31) >= 28 and ((v >> 5) & 31) <= 14 and (v & 31) >= 22]


def check_between():
    """Pictures painted between game frames change nothing: the same game, played with seven
    of them after every frame, ends with the same world, the same variables and the same
    pictures at every shot as without."""
    folder = fresh_folder("between")
    lines, placed = build(folder, start_mode("AuxUnlimitedForm") + ["wait 7000"], 8)
    if placed < 8:
        fail("only %d goos could be placed" % placed)
    played = []
    for line in lines + ["wait 3000"]:
        played.append(line)
        if line.startswith(("up ", "wait 3000")):
            played.append("shot %s" % os.path.join(folder, "s%d.bmp" % len(played)))
    replay = os.path.join(folder, "between.txt")
    with open(replay, "w") as f:
        f.write("\n".join(played) + "\n")
    display = "%dx%d" % (240 * SCALE, 320 * SCALE)
    ends = []
    for extra in ([], ["--between", "7"]):
        result = subprocess.run([QVTOOL, "run", "--dir", folder, "--replay", replay, "--vars",
                                 "--world", "--display", display] + extra,
                                capture_output=True, text=True, timeout=240)
        if result.returncode != 0:
            fail("qvtool run %s exited with %d" % (extra, result.returncode))
        lines_out = result.stdout.splitlines()
        shown = [l for l in lines_out if l.startswith("pictures between frames: ")]
        if extra and (not shown or int(shown[0].split(": ")[1]) < 1000):
            fail("too few pictures painted between frames: %s" % shown)
        shots = sorted(n for n in os.listdir(folder) if n.startswith("s") and n.endswith(".bmp"))
        pictures = []
        for name in shots:
            with open(os.path.join(folder, name), "rb") as f:
                pictures.append(f.read())
            os.remove(os.path.join(folder, name))
        ends.append(([l for l in lines_out if l not in shown], shots, pictures))
    (plain, shots, pictures), (between, shots2, pictures2) = ends
    if len(shots) < placed or shots != shots2:
        fail("the shots differ in number: %s / %s" % (shots, shots2))
    for name, a, b in zip(shots, pictures, pictures2):
        if a != b:
            fail("%s differs when pictures are painted between frames" % name)
    if plain != between:
        diff = [(a, b) for a, b in zip(plain, between) if a != b]
        fail("the run ends differently with pictures between frames: %s" % diff[:5])


def check_clouds():
    """The Clouds option shows drifting clouds over the game world, and none when it is off:
    the same game with the option off differs only where clouds were, and its sky rows are
    each one colour but for the goos."""
    shots = {}
    for clouds in ("1", "0"):
        folder = fresh_folder("clouds" + clouds)
        with open(os.path.join(folder, "options.dat"), "w") as f:
            f.write(open(OPTIONS).read().replace("CloudsOn = 1", "CloudsOn = " + clouds))
        shot = os.path.join(folder, "game.bmp")
        run(folder, start_mode("AuxClassicForm") + ["wait 2500"] + tap((120, 190)) +
            ["wait 1000"], shot)
        shots[clouds] = content_bot.read_bmp(shot)[2]
    sky = range(40 * SCALE, 200 * SCALE)
    changed = sum(1 for y in sky for x in range(240 * SCALE) if shots["1"][y][x] != shots["0"][y][x])
    if changed < 500 * SCALE * SCALE:
        fail("clouds on and off look alike over the game world (%d pixels differ)" % changed)
    def sky_colours(row):  # the colours of a row but those of red goos
        return {p for p in row if not ((p >> 10) & 31) > (p & 31) + 4}
    rows = range(70 * SCALE, 200 * SCALE)
    varied = {c: sum(1 for y in rows if len(sky_colours(shots[c][y])) > 3) for c in shots}
    # The sky's rows are one colour, or two where the gradient is dithered; clouds add more.
    if varied["0"] != 0 or varied["1"] < 10 * SCALE:
        fail("sky rows with clouds: %d with clouds on, %d with them off" % (varied["1"],
                                                                           varied["0"]))
    # Zoomed fully out the gradient ends in the view; its last rows never step past its blue
    # (0x5CFF: red 11, green 19 in the shot's 5-bit fields), which showed as a dark line under
    # the plain blue above. (The left part: the height's outline is blended into the sky.)
    shot = os.path.join(folder, "zoomed.bmp")
    run(folder, start_mode("AuxClassicForm") + ["wait 2500"] + tap((120, 190)) +
        ["key 51", "wait 100"] * 9 + ["wait 500"], shot)
    past = [(x, y) for y, row in enumerate(content_bot.read_bmp(shot)[2][30 * SCALE:260 * SCALE])
            for x, p in enumerate(row[:150 * SCALE])
            if (p & 31) >= 29 and (((p >> 10) & 31) < 11 or ((p >> 5) & 31) < 19)]
    if past:
        fail("zoomed out, %d sky pixels are bluer than the sky's top, first at %s" %
             (len(past), past[0]))


def check_demo():
    """The world behind the menus is played: goos come, climb and are built into the tower,
    and the world starts over now and then instead of growing for ever."""
    variables = run(fresh_folder("demo"), ["wait 270000"])
    expect_shown(variables, "StartForm", "the menu behind which the demo plays")
    built, rounds = int(variables.get("DemoBuilt", 0)), int(variables.get("DemoRounds", 0))
    if built < 10 or rounds < 2:
        fail("the demo built %d blobs and started over %d times in four and a half minutes"
             % (built, rounds))


def check_small_display():
    """The high-resolution content on a display smaller than 480 x 640 does not start, and says
    why, instead of drawing its large pictures on the small screen."""
    folder = fresh_folder("small-display")
    result = subprocess.run([QVTOOL, "run", "--dir", folder, "--frames", "5", "--display",
                             "240x320"], capture_output=True, text=True, timeout=60)
    boxes = [l for l in result.stdout.splitlines() if l.startswith("messagebox:")]
    if result.returncode != 1 or not boxes or "cannot show 480 x 640" not in boxes[0]:
        fail("a small display started the hi-res content: exit %d, %s" %
             (result.returncode, boxes))


def check_keys():
    """Escape over every kind of message ends it as its time-out would and switches nothing;
    the game goes on and the menus answer keys afterwards. Escape on the options opened from a
    game returns to the game."""
    folder = fresh_folder("keys")
    escape = ["key 27", "wait 300"]
    # The mouse over a menu button with no button down lights it, as the focus does.
    plain, hover = os.path.join(folder, "plain.bmp"), os.path.join(folder, "hover.bmp")
    run(folder, [], plain)
    run(folder, ["move %d %d" % (120 * SCALE, 146 * SCALE)], hover)
    band = lambda shot: content_bot.read_bmp(shot)[2][138 * SCALE:154 * SCALE]
    if band(plain) == band(hover):
        fail("the button under the mouse is not lit")
    # Escape on a mode screen goes back as its Back button does, to the choice of game.
    lines = tap(START_BUTTONS["ChooseForm"][0]) + tap(CHOOSE_BUTTONS["AuxEstafetForm"][0])
    expect_shown(run(folder, lines + escape), "ChooseForm", "Escape on a mode screen")
    messages = {
        "clbrief": start_mode("AuxClassicForm") + ["wait 2500"],
        "ESWin": start_mode("AuxEstafetForm") + ["wait 2500"],
        "expwin": start_mode("AuxUnlimitedForm") + ["wait 1000"] + tap((225, 12)),
    }
    for shown, lines in messages.items():
        expect_shown(run(folder, lines), shown, "the message " + shown)
        after = run(folder, lines + escape)
        if after.get("Shown") != shown:
            fail("Escape over %s switched to %s" % (shown, after.get("Shown")))
        # The keys went back to the game: F1 opens its options, Escape returns to it.
        expect_shown(run(folder, lines + escape + ["key 112", "wait 300"]), "OptionsForm",
                     "F1 after Escape over " + shown)
        expect_shown(run(folder, lines + escape + ["key 112", "wait 300"] + escape), "GameForm",
                     "Escape on the options over a game, after " + shown)
    # F2 asks before leaving a classic game; Escape on the question plays on. Leaving by the
    # keys (right to Play on, right again to Leave, Enter), the choice of game answers keys: Enter on its first
    # button and on the mode screen's start button plays a new game, briefing and all.
    lines = messages["clbrief"] + escape + ["key 113", "wait 300"]
    expect_shown(run(folder, lines), "LeaveGame", "F2 after the briefing")
    expect_shown(run(folder, lines + escape + ["key 112", "wait 300"]), "OptionsForm",
                 "F1 after Escape on the leave question")
    # Closing the window asks the same question; a second close while it is up, or a close in
    # the menus, ends the program at once (the taps after it find nothing to press).
    close = messages["clbrief"] + escape + ["quit", "wait 300"]
    expect_shown(run(folder, close), "LeaveGame", "closing the window during a game")
    expect_shown(run(folder, close + tap((60, 176))), "GameForm", "playing on after a close")
    expect_shown(run(folder, close + ["quit", "wait 300"] + tap((60, 176))), "LeaveGame",
                 "a second close")
    expect_shown(run(folder, ["quit", "wait 300"] + tap(START_BUTTONS["OptionsForm"][0])),
                 "StartForm", "closing the window at the start menu")
    lines += ["key 39", "wait 100", "key 39", "wait 100", "key 13", "wait 300"]
    expect_shown(run(folder, lines), "ChooseForm", "Leave chosen by the keys")
    lines += ["key 13", "wait 300"]
    expect_shown(run(folder, lines), "AuxClassicForm", "Enter on the choice of game")
    # Leaving an unlimited game names its record: Escape does not skip the naming, and the
    # real keyboard types the name (letters, Backspace, Enter).
    folder = fresh_folder("keys-name")
    leave = ["key 40", "wait 100", "key 40", "wait 100", "key 13", "wait 300"]
    lines = start_mode("AuxUnlimitedForm") + ["wait 3000"] + tap((67, 12)) + leave + escape
    expect_shown(run(folder, lines), "RecordBook", "Escape while naming a record")
    run(folder, lines + ["key 66", "key 79", "key 88", "key 8", "key 84", "key 13", "wait 300"])
    names = [r[2] for r in parse_scores(read_scores(folder))]
    if names != ["bot"]:
        fail("the name typed on the real keyboard was not recorded: %s" % names)


def cross_hair(shot):
    """The key pointer's centre and whether it is green (over or carrying a goo), or None."""
    width, height, rows = content_bot.read_bmp(shot)
    for colour, green in ((content_bot.to555(0x0000F8), False), (content_bot.to555(0x00F800), True)):
        points = [(x, y) for y in range(height) for x in range(width) if rows[y][x] == colour]
        if len(points) > 6:
            xs = sorted(p[0] for p in points)
            ys = sorted(p[1] for p in points)
            return xs[len(xs) // 2], ys[len(ys) // 2], green
    return None


def goos(shot):
    width, height, rows = content_bot.read_bmp(shot)
    return [c for c in content_bot.components(rows, width, height,
                                              content_bot.to555(content_bot.GOO),
                                              content_bot.TOOLBAR * SCALE) if c[0] >= 6]


def steer_to_goo(folder, lines):
    """Arrow keys that bring the cross-hair over the goo resting lowest; the lines so far."""
    shot = os.path.join(folder, "steer.bmp")
    for attempt in range(10):
        run(folder, lines, shot)
        pointer = cross_hair(shot)
        if pointer is None and attempt == 0:
            lines = lines + ["key 40", "wait 100"]  # the menus were tapped: a key shows it
            continue
        if pointer is None:
            fail("no cross-hair on the game screen after a key")
        if pointer[2]:
            return lines, pointer
        _, gx, gy = max(goos(shot), key=lambda c: c[2])
        dx, dy = gx - pointer[0], gy - pointer[1]
        keys = ["key %d" % (39 if dx > 0 else 37)] * max(1, abs(dx) // 4) if abs(dx) > 2 else []
        keys += ["key %d" % (40 if dy > 0 else 38)] * max(1, abs(dy) // 4) if abs(dy) > 2 else []
        lines = lines + keys + ["wait 100"]
    fail("the cross-hair never came over a goo")


def check_carry():
    """A goo picked up with Enter and then pressed on with the mouse is let go there, and the
    next Enter picks it up again: it follows the arrow keys into the sky. After the mouse the
    cross-hair hides, and the next pointer key shows it again."""
    folder = fresh_folder("carry")
    lines = start_mode("AuxClassicForm") + ["wait 2500", "key 27", "wait 6000"]
    lines, (px, py, _) = steer_to_goo(folder, lines)
    shot = os.path.join(folder, "carry.bmp")
    lines += ["key 13", "wait 200", "tap %d %d" % (px, py), "wait 200"]
    run(folder, lines, shot)
    if cross_hair(shot) is not None:
        fail("the cross-hair is still drawn after a mouse press")
    # Lifted into the empty sky with the arrow keys, the goo in the hand is seen there alone.
    lines += ["key 13", "wait 200"] + ["key 38"] * 12 + ["wait 200"]
    run(folder, lines, shot)
    pointer = cross_hair(shot)
    if pointer is None or not pointer[2]:
        fail("the arrow key after the mouse did not bring back a carrying cross-hair: %s" % (pointer,))
    if py - pointer[1] < 40 or red_pixels(shot, pointer[0], pointer[1], 8) < 40:
        fail("the goo was not carried up to the cross-hair at %s" % (pointer,))


def red_pixels(shot, cx, cy, reach):
    """Pixels around (cx, cy) of a goo's red (red well above green and blue)."""
    width, height, rows = content_bot.read_bmp(shot)
    count = 0
    for y in range(max(0, cy - reach), min(height, cy + reach + 1)):
        for x in range(max(0, cx - reach), min(width, cx + reach + 1)):
            v = rows[y][x]
            r, g, b = (v >> 10) & 31, (v >> 5) & 31, v & 31
            count += r > g + 6 and r > b + 6
    return count


{"keys": check_keys, "carry": check_carry, "screens": check_screens, "small_display": check_small_display, "options": check_options, "screenshot": check_screenshot,
 "classic": check_classic, "relay": check_relay, "unlimited": check_unlimited,
 "shop": check_shop, "between": check_between, "clouds": check_clouds, "demo": check_demo}[CHECK]()
print("ok: " + CHECK)
