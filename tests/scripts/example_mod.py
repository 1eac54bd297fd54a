#!/usr/bin/env python3
"""The example mod of examples/goo-mod, built and played the way a modder would: its goo drawn
by make_goo.py, packed by qvtool over a copy of the game's graphics.dat, run through a replay.
The run must show no message box, the mod's start menu must be the one in use (its variables,
its moved Quit button, its missing Info button) and the screenshot must show magenta goos,
while the same replay over the unmodified archive shows none.

    example_mod.py QVTOOL GAME_GRAPHICS_DAT EXAMPLE_DIR WORK_DIR
"""
import pathlib
import shutil
import subprocess
import sys

MAGENTA_555 = 0x7C1F  # RGB565 0xF81F as the 5-5-5 pixel of a 16-bit bitmap
BMP_HEADER = 54


def fail(message):
    sys.exit("example mod: " + message)


def run(command):
    done = subprocess.run([str(c) for c in command], capture_output=True, text=True)
    if done.returncode != 0:
        fail(f"{' '.join(map(str, command))} exited {done.returncode}:\n{done.stdout}{done.stderr}")
    return done.stdout


def magenta_pixels(bitmap):
    data = bitmap.read_bytes()[BMP_HEADER:]
    return sum(1 for i in range(0, len(data) - 1, 2)
               if data[i] | data[i + 1] << 8 == MAGENTA_555)


def play(qvtool, install, work, name):
    shot = work / f"{name}.bmp"
    replay = work / f"{name}.replay"
    replay.write_text(f"wait 1500\nshot {shot}\nquit\n")
    out = run([qvtool, "run", "--dir", install, "--replay", replay, "--vars"])
    variables = dict(line.split("=", 1) for line in out.splitlines() if "=" in line
                     and not line.startswith("messagebox:"))
    return out, variables, shot


def main():
    if len(sys.argv) != 5:
        fail("usage: example_mod.py QVTOOL GAME_GRAPHICS_DAT EXAMPLE_DIR WORK_DIR")
    qvtool, game, example, work = (pathlib.Path(a) for a in sys.argv[1:])
    if not game.is_file():
        fail(f"{game} is missing: build the target graphics_dat first")
    shutil.rmtree(work, ignore_errors=True)
    mod, install, base = work / "mod", work / "install", work / "base"
    for folder in (mod, install, base):
        folder.mkdir(parents=True)
    for name in ("mod.manifest", "startgame.scr"):
        shutil.copy(example / name, mod / name)
    shutil.copy(game, mod / "graphics.dat")
    shutil.copy(game, base / "graphics.dat")
    run([sys.executable, example / "make_goo.py", mod / "goo.png"])
    run([qvtool, "pack", mod / "mod.manifest", install / "graphics.dat"])

    out, variables, shot = play(qvtool, install, work, "mod")
    if "messagebox:" in out:
        fail("the modded game showed a message box:\n" + out)
    expected = {"Shown": "StartForm", "ModMenu": "GOO MOD", "ModQuitY": "242",
                "ModInfoGone": "1"}
    for key, value in expected.items():
        if variables.get(key) != value:
            fail(f"{key} is {variables.get(key)!r}, expected {value!r}:\n{out}")
    modded = magenta_pixels(shot)
    if modded < 100:
        fail(f"only {modded} magenta pixels on the modded start menu, expected the demo tower's")

    out, variables, shot = play(qvtool, base, work, "base")
    if "ModMenu" in variables or variables.get("Shown") != "StartForm":
        fail("the unmodified game did not run its own start menu:\n" + out)
    if magenta_pixels(shot) != 0:
        fail("the unmodified game shows magenta pixels, so the mod's goo proves nothing")
    print(f"example mod: {modded} magenta goo pixels, start menu replaced")


if __name__ == "__main__":
    main()
