#!/usr/bin/env python3
"""Independent players check the generated sounds: openmpt123 reads every song's channels and
duration and renders it, and the rendering has no silence longer than two seconds; sox reads
every effect's length and peak level.

Usage: sound_content.py ASSET_DIR WORK_DIR
"""
import array
import os
import re
import shutil
import subprocess
import sys
import wave

ASSETS, WORK = sys.argv[1:3]
SONGS = ["1.xm", "2.xm", "3.xm", "4.xm"]
EFFECTS = ["catch%d.wav" % k for k in range(1, 6)] + ["drop%d.wav" % k for k in range(1, 6)] + \
    ["googround%d.wav" % k for k in range(1, 6)] + \
    ["critsize.wav", "linkleft.wav", "linkplaced.wav", "maxresist.wav", "start.wav", "twdown.wav"]
failures = []


def longest_silence(path):
    """Seconds of the longest stretch whose 50 ms windows all stay below -46 dBFS."""
    with wave.open(path) as w:
        rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
        if width != 2:
            raise ValueError("expected 16-bit samples")
        frames = array.array("h", w.readframes(w.getnframes()))
    window = rate // 20 * channels
    longest = run = 0
    for start in range(0, len(frames), window):
        chunk = frames[start:start + window]
        quiet = max((abs(s) for s in chunk), default=0) < 160
        run = run + 1 if quiet else 0
        longest = max(longest, run)
    return longest * 0.05


os.makedirs(WORK, exist_ok=True)
for song in SONGS:
    src = os.path.join(ASSETS, song)
    info = subprocess.run(["openmpt123", "--info", src], capture_output=True, text=True)
    channels = re.search(r"Channels\.*:\s*(\d+)", info.stdout)
    duration = re.search(r"Duration\.*:\s*(\d+):(\d+)\.(\d+)", info.stdout)
    if info.returncode != 0 or not channels or not duration:
        failures.append("%s: openmpt123 could not read it: %s" % (song, info.stderr.strip()))
        continue
    seconds = int(duration.group(1)) * 60 + int(duration.group(2))
    if int(channels.group(1)) < 4 or seconds < 60:
        failures.append("%s: %s channels, %d s" % (song, channels.group(1), seconds))
    copy = os.path.join(WORK, song)
    shutil.copy(src, copy)
    subprocess.run(["openmpt123", "--render", "--force", copy], capture_output=True)
    # openmpt123 renders floating-point samples; sox turns them into 16-bit ones.
    subprocess.run(["sox", copy + ".wav", "-b", "16", copy + ".16.wav"], capture_output=True)
    silence = longest_silence(copy + ".16.wav")
    if silence > 2.0:
        failures.append("%s: %.2f s of silence" % (song, silence))
    print("%s: %s channels, %d s, longest silence %.2f s" % (song, channels.group(1), seconds, silence))

for effect in EFFECTS:
    path = os.path.join(ASSETS, effect)
    length = subprocess.run(["sox", "--i", "-D", path], capture_output=True, text=True)
    stat = subprocess.run(["sox", path, "-n", "stat"], capture_output=True, text=True)
    peak = re.search(r"Maximum amplitude:\s*([0-9.]+)", stat.stderr)
    if length.returncode != 0 or not peak:
        failures.append("%s: sox could not read it" % effect)
        continue
    seconds, level = float(length.stdout), float(peak.group(1))
    if not 0.05 <= seconds <= 1.5 or not 0.5 <= level <= 0.9:
        failures.append("%s: %.2f s long, peak %.2f" % (effect, seconds, level))
    print("%s: %.2f s, peak %.2f" % (effect, seconds, level))

if failures:
    print("FAIL:\n  " + "\n  ".join(failures))
    sys.exit(1)
