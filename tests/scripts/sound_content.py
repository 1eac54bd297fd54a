#!/usr/bin/env python3
"""Independent players check the generated sounds: openmpt123 reads every song's channels and
duration and renders it played twice through, which must last twice as long (the song goes on
from its restart position) and hold no silence longer than two seconds, the loop included; sox
reads every effect's length and peak level, and the effects are equally loud over their loudest
50 ms.

Usage: sound_content.py ASSET_DIR WORK_DIR
"""
import array
import math
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


def read16(path):
    """(rate, channels, samples) of a 16-bit wave file."""
    with wave.open(path) as w:
        rate, channels, width = w.getframerate(), w.getnchannels(), w.getsampwidth()
        if width != 2:
            raise ValueError("expected 16-bit samples")
        return rate, channels, array.array("h", w.readframes(w.getnframes()))


def loudest_rms(path):
    """Root-mean-square level (0..1) of the loudest 50 ms of a mono file, a quarter window apart."""
    rate, _, frames = read16(path)
    window = min(len(frames), rate // 20)
    best = 0.0
    for start in range(0, len(frames) - window + 1, max(1, window // 4)):
        chunk = frames[start:start + window]
        best = max(best, sum(s * s for s in chunk) / len(chunk))
    return math.sqrt(best) / 32768


def longest_silence(path):
    """Seconds of the longest stretch whose 50 ms windows all stay below -46 dBFS."""
    rate, channels, frames = read16(path)
    window = rate // 20 * channels
    longest = run = 0
    for start in range(0, len(frames), window):
        chunk = frames[start:start + window]
        quiet = max((abs(s) for s in chunk), default=0) < 160
        run = run + 1 if quiet else 0
        longest = max(longest, run)
    return longest * 0.05


if not os.path.exists(os.path.join(ASSETS, "4.xm")):
    print("FAIL: no generated sounds in %s (the graphics_dat target writes them)" % ASSETS)
    sys.exit(1)
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
    # Twice through, at a low rate (enough to hear silence), so the loop is in the rendering.
    subprocess.run(["openmpt123", "--render", "--force", "--repeat", "1", "--samplerate", "11025",
                    copy], capture_output=True)
    # openmpt123 renders floating-point samples; sox turns them into 16-bit ones.
    subprocess.run(["sox", copy + ".wav", "-b", "16", copy + ".16.wav"], capture_output=True)
    if not os.path.exists(copy + ".16.wav"):
        failures.append("%s: openmpt123 rendered nothing" % song)
        continue
    rate, ch, frames = read16(copy + ".16.wav")
    rendered = len(frames) / ch / rate
    one_pass = seconds + float("0." + duration.group(3))
    if abs(rendered - 2 * one_pass) > 0.5:
        failures.append("%s: played twice it lasts %.1f s, not %.1f s" % (song, rendered,
                                                                        2 * one_pass))
    silence = longest_silence(copy + ".16.wav")
    if silence > 2.0:
        failures.append("%s: %.2f s of silence" % (song, silence))
    print("%s: %s channels, %.1f s, twice through %.1f s, longest silence %.2f s" %
          (song, channels.group(1), one_pass, rendered, silence))

loudness = {}
for effect in EFFECTS:
    path = os.path.join(ASSETS, effect)
    length = subprocess.run(["sox", "--i", "-D", path], capture_output=True, text=True)
    stat = subprocess.run(["sox", path, "-n", "stat"], capture_output=True, text=True)
    peak = re.search(r"Maximum amplitude:\s*([0-9.]+)", stat.stderr)
    if length.returncode != 0 or not peak:
        failures.append("%s: sox could not read it" % effect)
        continue
    seconds, level = float(length.stdout), float(peak.group(1))
    if not 0.05 <= seconds <= 1.5 or not 0.3 <= level <= 0.96:
        failures.append("%s: %.2f s long, peak %.2f" % (effect, seconds, level))
    loudness[effect] = loudest_rms(path)
    print("%s: %.2f s, peak %.2f, loudest 50 ms at %.1f dBFS" %
          (effect, seconds, level, 20 * math.log10(max(loudness[effect], 1e-6))))

# Equally loud: every effect within 2 dB of the middle one.
if loudness:
    middle = sorted(loudness.values())[len(loudness) // 2]
    for effect, rms in loudness.items():
        if rms <= 0 or abs(20 * math.log10(rms / middle)) > 2.0:
            failures.append("%s: %.3f loud where the others are about %.3f" % (effect, rms, middle))

if failures:
    print("FAIL:\n  " + "\n  ".join(failures))
    sys.exit(1)
