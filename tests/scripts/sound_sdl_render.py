#!/usr/bin/env python3
"""Every generated song played by SDL_mixer, the library the game plays them with: loaded from
memory with Mix_LoadMUS_RW and looped through SDL's disk audio driver (not in real time) for one
pass of its order table plus a few seconds, so the jump back to its restart position is heard.
The rendering must be loud enough and hold no silence longer than two seconds.

Usage: sound_sdl_render.py ASSET_DIR WORK_DIR
"""
import array
import ctypes
import ctypes.util
import os
import struct
import subprocess
import sys
import time

RATE = 11025  # the game mixes at this rate
SONGS = ["1.xm", "2.xm", "3.xm", "4.xm"]
EXTRA_SECONDS = 4.0


def module_seconds(data):
    """Seconds one pass of the order table lasts, read from the module's own headers."""
    if data[:17] != b"Extended Module: ":
        raise ValueError("not an XM module")
    header_size = struct.unpack_from("<I", data, 60)[0]
    length, _, _, patterns, _, _, tempo, bpm = struct.unpack_from("<8H", data, 64)
    order = data[80:80 + length]
    rows, at = [], 60 + header_size
    for _ in range(patterns):
        pattern_header, = struct.unpack_from("<I", data, at)
        count, packed = struct.unpack_from("<HH", data, at + 5)
        rows.append(count)
        at += pattern_header + packed
    return sum(rows[p] for p in order) * tempo * 2.5 / bpm


def render(song_path, raw_path, seconds):
    """Runs this script's child mode in a fresh process: SDL reads its driver settings once."""
    env = dict(os.environ, SDL_AUDIODRIVER="disk", SDL_DISKAUDIOFILE=raw_path,
               SDL_DISKAUDIODELAY="0")
    return subprocess.run([sys.executable, __file__, "--child", song_path, str(seconds)],
                          env=env, capture_output=True, text=True, timeout=60)


def child(song_path, seconds):
    sdl = ctypes.CDLL(ctypes.util.find_library("SDL2") or "libSDL2-2.0.so.0")
    mix = ctypes.CDLL(ctypes.util.find_library("SDL2_mixer") or "libSDL2_mixer-2.0.so.0")
    sdl.SDL_RWFromConstMem.restype = ctypes.c_void_p
    sdl.SDL_RWFromConstMem.argtypes = [ctypes.c_void_p, ctypes.c_int]
    sdl.SDL_GetError.restype = ctypes.c_char_p
    mix.Mix_LoadMUS_RW.restype = ctypes.c_void_p
    mix.Mix_LoadMUS_RW.argtypes = [ctypes.c_void_p, ctypes.c_int]
    mix.Mix_PlayMusic.argtypes = [ctypes.c_void_p, ctypes.c_int]
    mix.Mix_FreeMusic.argtypes = [ctypes.c_void_p]
    if sdl.SDL_Init(0x10) != 0:  # SDL_INIT_AUDIO
        sys.exit("SDL_Init: %s" % sdl.SDL_GetError().decode())
    mix.Mix_Init(0x2)  # MIX_INIT_MOD
    if mix.Mix_OpenAudio(RATE, 0x8010, 2, 1024) != 0:  # signed 16-bit little-endian, stereo
        sys.exit("Mix_OpenAudio: %s" % sdl.SDL_GetError().decode())
    with open(song_path, "rb") as f:
        data = f.read()
    buffer = ctypes.create_string_buffer(data, len(data))
    music = mix.Mix_LoadMUS_RW(sdl.SDL_RWFromConstMem(buffer, len(data)), 1)
    if not music:
        sys.exit("Mix_LoadMUS_RW: %s" % sdl.SDL_GetError().decode())
    mix.Mix_VolumeMusic(128)
    raw = os.environ["SDL_DISKAUDIOFILE"]
    # The device writes silence from Mix_OpenAudio on, as long as loading the song takes (which
    # grows on a busy machine): the song's own sound starts at this offset of the file.
    mix.Mix_PlayMusic(music, -1)
    start = os.path.getsize(raw) if os.path.exists(raw) else 0
    print("start %d" % start)
    wanted = start + int(seconds * RATE) * 4
    deadline = time.time() + 40
    while time.time() < deadline and (not os.path.exists(raw) or os.path.getsize(raw) < wanted):
        time.sleep(0.05)
    mix.Mix_HaltMusic()
    mix.Mix_FreeMusic(music)
    mix.Mix_CloseAudio()
    sdl.SDL_Quit()


def check(raw_path, seconds, start):
    """Failure text, or None; the song starts at byte start of the file."""
    samples = array.array("h")
    with open(raw_path, "rb") as f:
        f.seek(start - start % 4)
        samples.frombytes(f.read())
    if len(samples) < int(seconds * RATE) * 2:
        return "only %.1f s were rendered, not %.1f s" % (len(samples) / 2 / RATE, seconds)
    samples = samples[:int(seconds * RATE) * 2]
    window = RATE // 20 * 2
    longest = run = peak = 0
    for start in range(0, len(samples), window):
        loudest = max(abs(s) for s in samples[start:start + window])
        peak = max(peak, loudest)
        run = run + 1 if loudest < 160 else 0  # under -46 dBFS
        longest = max(longest, run)
    if peak < 3000:
        return "too quiet: peak %d" % peak
    if longest * 0.05 > 2.0:
        return "%.2f s of silence" % (longest * 0.05)
    print("  peak %d, longest silence %.2f s" % (peak, longest * 0.05))
    return None


def main():
    if len(sys.argv) == 4 and sys.argv[1] == "--child":
        child(sys.argv[2], float(sys.argv[3]))
        return
    assets, work = sys.argv[1:3]
    if not os.path.exists(os.path.join(assets, "4.xm")):
        print("FAIL: no generated sounds in %s (the graphics_dat target writes them)" % assets)
        sys.exit(1)
    os.makedirs(work, exist_ok=True)
    failures = []
    for song in SONGS:
        path = os.path.join(assets, song)
        with open(path, "rb") as f:
            seconds = module_seconds(f.read()) + EXTRA_SECONDS
        raw = os.path.join(work, song + ".raw")
        if os.path.exists(raw):
            os.remove(raw)
        print("%s: %.1f s through SDL_mixer" % (song, seconds))
        done = render(path, raw, seconds)
        if done.returncode != 0 or not os.path.exists(raw):
            failures.append("%s: %s" % (song, (done.stderr or done.stdout).strip()))
            continue
        starts = [int(l.split()[1]) for l in done.stdout.splitlines() if l.startswith("start ")]
        failure = check(raw, seconds, starts[0] if starts else 0)
        if failure:
            failures.append("%s: %s" % (song, failure))
    if failures:
        print("FAIL:\n  " + "\n  ".join(failures))
        sys.exit(1)


main()
