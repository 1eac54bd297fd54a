#!/usr/bin/env python3
"""Soak test: qvtool run plays a long random replay (taps, drags and keys everywhere) on the
real graphics.dat and must end without a crash, a message box or a script failure, and without
its memory growing after warm-up.

Usage: soak.py QVTOOL GRAPHICS_DAT OPTIONS WORK_DIR [FRAMES] [SEED]
(FRAMES defaults to 100000, SEED to the current time; the seed is printed so a failure can be
replayed exactly.)
"""
import os
import random
import shutil
import subprocess
import sys
import time

QVTOOL, ARCHIVE, OPTIONS, WORK = [os.path.abspath(p) for p in sys.argv[1:5]]
FRAMES = int(sys.argv[5]) if len(sys.argv) > 5 else 100000
SEED = int(sys.argv[6]) if len(sys.argv) > 6 else int(time.time())
GROWTH_LIMIT_KB = 8 * 1024

# Keys a player uses: arrows, Enter, keypad, zoom, options, leave, screenshot. Escape on the
# start menu ends the program, so it is left out.
KEYS = [37, 38, 39, 40, 13, 50, 52, 54, 56, 53, 49, 51, 112, 113, 119]


def point(rng):
    return rng.randrange(240), rng.randrange(320)


def replay(rng, frames):
    lines, ms = [], 0
    while ms < frames * 40:
        kind = rng.random()
        if kind < 0.55:
            lines.append("tap %d %d" % point(rng))
        elif kind < 0.8:
            (x0, y0), (x1, y1) = point(rng), point(rng)
            lines += ["down %d %d" % (x0, y0), "wait 80", "move %d %d" % ((x0 + x1) // 2, (y0 + y1) // 2),
                      "wait 80", "move %d %d" % (x1, y1), "wait 80", "up %d %d" % (x1, y1)]
            ms += 240
        else:
            lines.append("key %d" % rng.choice(KEYS))
        wait = rng.choice([40, 80, 200, 400, 1000])
        lines.append("wait %d" % wait)
        ms += wait
    return lines + ["shot soak-end.bmp", "quit"]


def rss_kb(pid):
    try:
        with open("/proc/%d/status" % pid) as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


def main():
    print("soak: %d frames, seed %d" % (FRAMES, SEED))
    folder = os.path.join(WORK, "soak")
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(OPTIONS, os.path.join(folder, "options.dat"))
    # The start menu's Quit button (also reached with the arrows and Enter) would end the run
    # early: the soak plays the game's archive with that one handler turned into a note.
    menu = subprocess.run([QVTOOL, "extract", ARCHIVE, "startgame.scr"], capture_output=True,
                          text=True, check=True).stdout
    if "QuitApplication();" not in menu:
        print("FAIL: startgame.scr no longer quits with QuitApplication()")
        sys.exit(1)
    with open(os.path.join(folder, "startgame.scr"), "w") as f:
        f.write(menu.replace("QuitApplication();", 'SetGlobalVar("QuitPressed", 1);'))
    with open(os.path.join(folder, "soak.manifest"), "w") as f:
        f.write("archive %s\nstartgame.scr\n" % ARCHIVE)
    subprocess.run([QVTOOL, "pack", os.path.join(folder, "soak.manifest"),
                    os.path.join(folder, "graphics.dat")], check=True, capture_output=True)
    path = os.path.join(folder, "soak.replay")
    with open(path, "w") as f:
        f.write("\n".join(replay(random.Random(SEED), FRAMES)) + "\n")
    out_path, err_path = os.path.join(folder, "stdout.txt"), os.path.join(folder, "stderr.txt")
    with open(out_path, "w") as out, open(err_path, "w") as err:
        process = subprocess.Popen([QVTOOL, "run", "--dir", folder, "--replay", path], stdout=out,
                                   stderr=err, cwd=folder)
        samples = []
        while process.poll() is None:
            kb = rss_kb(process.pid)
            if kb:
                samples.append(kb)
            time.sleep(0.05)
    status = process.returncode
    stdout, stderr = open(out_path).read(), open(err_path).read()
    boxes = [l for l in stdout.splitlines() if l.startswith("messagebox:")]
    failures = []
    if status != 0:
        failures.append("qvtool run exited with %d: %s" % (status, stderr.strip()[-500:]))
    if boxes:
        failures.append("message box: " + boxes[0])
    if not os.path.exists(os.path.join(folder, "soak-end.bmp")):
        failures.append("the run ended before its replay did")
    if stderr.strip():
        failures.append("script failures: " + stderr.strip().splitlines()[0])
    # AddressSanitizer holds freed memory in a quarantine, so growth says nothing there.
    with open(QVTOOL, "rb") as f:
        sanitized = b"__asan_init" in f.read()
    if len(samples) >= 10 and not sanitized:
        warm = max(samples[len(samples) // 5: len(samples) // 5 + 3])
        peak = max(samples[len(samples) // 5:])
        print("soak: memory after warm-up %d KiB, peak %d KiB over %d samples" % (warm, peak, len(samples)))
        if peak - warm > GROWTH_LIMIT_KB:
            failures.append("memory grew by %d KiB after warm-up" % (peak - warm))
    if failures:
        print("FAIL (seed %d):\n  %s" % (SEED, "\n  ".join(failures)))
        sys.exit(1)
    print("ok")


main()
