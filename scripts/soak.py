#!/usr/bin/env python3
"""Soak test: qvtool run plays a long random replay (taps, drags and every key a player has,
Escape included) on the real graphics.dat. It must end without a crash, a message box or a
script failure, and without its memory growing after warm-up. When the game quits (Escape or
the Quit button on the start menu), the next run goes on with the rest of the replay.

Every presented frame is checked through `qvtool run --state-log`:
  input-on-top      the keys and the stylus reach only the screen drawn on top;
  message-in-game   a message is up only over a game under way (a game mode, the game screen);
  game-can-end      while a classic or relay game is played, a free goo within the player's
                    reach, a goo in the hand or a running control time is never missing for
                    longer than STALL_FRAMES frames of play.

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
STALL_FRAMES = 500  # 20 seconds of play

# Every key a player has: Enter, Escape, the arrows, the digits (keypad directions, zoom),
# options, leave the game, screenshot, and the Start key that sends the game to the background.
KEYS = [13, 27, 37, 38, 39, 40] + list(range(48, 58)) + [112, 113, 119, 91]
ARROWS = [37, 38, 39, 40]


def point(rng):
    return rng.randrange(240), rng.randrange(320)


def replay(rng, frames):
    """The random input as chunks of replay lines, each with the virtual time it starts at."""
    chunks, ms = [], 0
    while ms < frames * 40:
        kind, lines, start = rng.random(), [], ms
        if kind < 0.04:
            # The way into a game from the start menu (elsewhere these are just taps), so that
            # games, their messages and the keys over them come often.
            mode = rng.choice([108, 154, 200])
            lines += ["tap 120 120", "wait 300", "tap 120 %d" % mode, "wait 300", "tap 120 208"]
            ms += 600
        elif kind < 0.5:
            lines.append("tap %d %d" % point(rng))
        elif kind < 0.75:
            (x0, y0), (x1, y1) = point(rng), point(rng)
            lines += ["down %d %d" % (x0, y0), "wait 80", "move %d %d" % ((x0 + x1) // 2, (y0 + y1) // 2),
                      "wait 80", "move %d %d" % (x1, y1), "wait 80", "up %d %d" % (x1, y1)]
            ms += 240
        elif kind < 0.8:
            key, hold = rng.choice(ARROWS + [13]), rng.choice([200, 600, 1500])
            lines += ["keydown %d" % key, "wait %d" % hold, "keyup %d" % key]
            ms += hold
        else:
            key = rng.choice(KEYS)
            lines.append("key %d" % key)
            if key == 91:  # back to the game after a while, as a player clicking the window
                lines += ["wait 400", "activate"]
                ms += 400
        wait = rng.choice([40, 80, 200, 400, 1000])
        lines.append("wait %d" % wait)
        ms += wait
        chunks.append((start, lines))
    return chunks


def rss_kb(pid):
    try:
        with open("/proc/%d/status" % pid) as f:
            for line in f:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return None


def parse(line):
    return dict(field.split("=", 1) for field in line.split() if "=" in field)


class Checker:
    """The invariants over the frames of one run after another."""

    def __init__(self):
        self.failures = []
        self.stall = 0
        self.last = None
        self.playing_frames = 0

    def fail(self, name, text, frame):
        if any(f.startswith(name + ":") for f in self.failures):
            return
        self.failures.append("%s: %s (t=%s: %s)" % (name, text, frame.get("t"), frame.get("line")))

    def frame(self, f):
        top, keys, inputs = f.get("top", "-"), f.get("keys", "-"), f.get("input", "-")
        mode = int(f.get("mode", "0"))
        wrong = []
        if keys not in ("-", top) or inputs not in ("-", top):
            wrong.append(("input-on-top", "keys go to %s, the stylus to %s, but %s is on top"
                          % (keys, inputs, top)))
        if f.get("msg") == "1" and (mode == 0 or f.get("current") != "GameForm"):
            wrong.append(("message-in-game", "a message is up over %s in mode %d"
                          % (f.get("current"), mode)))
        for name, text in wrong:
            self.fail(name, text, f)
        playing = mode in (1, 2) and top == "GameForm"
        if playing:
            self.playing_frames += 1
            key = (mode, f.get("level"), f.get("left"))
            progress = (int(f.get("reach", "0")) > 0 or f.get("held") == "1"
                        or (self.last is not None and self.last[0] == key
                            and self.last[1] != f.get("ctime")))
            if self.last is not None and self.last[0] != key:
                progress = True  # the game advanced: a goo built, a level passed
            self.stall = 0 if progress else self.stall + 1
            if self.stall > STALL_FRAMES:
                self.fail("game-can-end", "no free goo within reach and no control time for %d "
                          "frames" % self.stall, f)
            self.last = (key, f.get("ctime"))
        elif mode not in (1, 2):
            self.stall, self.last = 0, None

    def run_ended(self):
        self.stall, self.last = 0, None


def prepare(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    shutil.copy(OPTIONS, os.path.join(folder, "options.dat"))
    shutil.copy(ARCHIVE, os.path.join(folder, "graphics.dat"))


def run_once(folder, lines):
    """One qvtool run over lines; returns (status, stdout, stderr, rss samples, state lines)."""
    path = os.path.join(folder, "soak.replay")
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")
    state = os.path.join(folder, "state.log")
    out_path, err_path = os.path.join(folder, "stdout.txt"), os.path.join(folder, "stderr.txt")
    with open(out_path, "w") as out, open(err_path, "w") as err:
        process = subprocess.Popen([QVTOOL, "run", "--dir", folder, "--replay", path,
                                    "--state-log", state], stdout=out, stderr=err, cwd=folder)
        samples = []
        while process.poll() is None:
            kb = rss_kb(process.pid)
            if kb:
                samples.append(kb)
            time.sleep(0.05)
    with open(state) as f:
        frames = f.read().splitlines()
    return process.returncode, open(out_path).read(), open(err_path).read(), samples, frames


def main():
    print("soak: %d frames, seed %d" % (FRAMES, SEED))
    folder = os.path.join(WORK, "soak")
    prepare(folder)
    chunks = replay(random.Random(SEED), FRAMES)
    with open(QVTOOL, "rb") as f:
        sanitized = b"__asan_init" in f.read()  # AddressSanitizer's quarantine hides growth
    checker, failures, first, runs, played = Checker(), [], 0, 0, 0
    while first < len(chunks) and not failures:
        base = chunks[first][0]
        lines = [line for _, chunk in chunks[first:] for line in chunk]
        status, stdout, stderr, samples, frames = run_once(folder, lines + ["shot soak-end.bmp", "quit"])
        runs += 1
        played += len(frames)
        for line in frames:
            f = parse(line)
            f["line"] = line
            checker.frame(f)
        checker.run_ended()
        boxes = [l for l in stdout.splitlines() if l.startswith("messagebox:")]
        if status != 0:
            failures.append("qvtool run exited with %d: %s" % (status, stderr.strip()[-500:]))
        if boxes:
            failures.append("message box: " + boxes[0])
        if stderr.strip():
            failures.append("script failures: " + stderr.strip().splitlines()[0])
        if len(samples) >= 10 and not sanitized:
            warm = max(samples[len(samples) // 5: len(samples) // 5 + 3])
            peak = max(samples[len(samples) // 5:])
            if peak - warm > GROWTH_LIMIT_KB:
                failures.append("memory grew by %d KiB after warm-up" % (peak - warm))
        if os.path.exists(os.path.join(folder, "soak-end.bmp")):
            break
        # The game quit: the next run starts with the input the last one did not reach.
        reached = base + (int(parse(frames[-1]).get("t", "0")) if frames else 0)
        following = next((i for i in range(first, len(chunks)) if chunks[i][0] >= reached), len(chunks))
        first = max(following, first + 1)
    failures += checker.failures
    print("soak: %d runs, %d frames checked, %d of them in a classic or relay game"
          % (runs, played, checker.playing_frames))
    if failures:
        print("FAIL (seed %d):\n  %s" % (SEED, "\n  ".join(failures)))
        sys.exit(1)
    print("ok")


main()
