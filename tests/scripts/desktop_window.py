#!/usr/bin/env python3
"""The game in a real X window: Xvfb shows it, xdotool plays it, ImageMagick photographs it.

Usage: desktop_window.py GAME GRAPHICS_DAT OPTIONS_DEFAULT WORK_DIR

The game opens at the start menu; clicks go through the choice screen into a classic game, past
its briefing, and one free goo is dragged onto the tower. Pictures of the whole X screen are
probed at each step: while the goo is held it is drawn at the pointer. The game counts the
pictures that reach the window (--count-pictures): while the world moves, far more than the 25
game frames a second. Closing the window during the game asks first; a second close ends it.
Exits 77 (skipped) when Xvfb, xdotool or import is missing or the X server does not start, 1 on
a failed check.
"""
import ctypes
import glob
import os
import shutil
import subprocess
import sys
import time

SKIP = 77
LOGICAL_W, LOGICAL_H = 240, 320
GOO = (0xE8, 0x41, 0x3C)   # the first goo colour
LINK = (0x9A, 0x24, 0x20)  # and its links
TOOLBAR = 26               # rows of the toolbar at the top of the game screen


def fail(message):
    print("desktop window: " + message, file=sys.stderr)
    sys.exit(1)


def skip(message):
    print("desktop window: skipped: " + message)
    sys.exit(SKIP)


class Display:
    """An Xvfb server on a free display number, ended on exit."""

    def __init__(self):
        self.proc = None
        for number in range(91, 110):
            if os.path.exists("/tmp/.X11-unix/X%d" % number) or os.path.exists("/tmp/.X%d-lock" % number):
                continue
            proc = subprocess.Popen(["Xvfb", ":%d" % number, "-screen", "0", "1024x768x24",
                                     "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            for _ in range(50):
                if proc.poll() is not None or os.path.exists("/tmp/.X11-unix/X%d" % number):
                    break
                time.sleep(0.1)
            if proc.poll() is None:
                self.proc, self.name = proc, ":%d" % number
                return
        skip("Xvfb did not start")

    def close(self):
        if self.proc is not None:
            self.proc.terminate()
            self.proc.wait()


def x(env, *args):
    return subprocess.run(list(args), env=env, capture_output=True, text=True, timeout=30)


def window_geometry(env):
    """Position and size of the game's window on the X screen, waiting up to 10 s for it."""
    deadline = time.time() + 10
    while time.time() < deadline:
        found = x(env, "xdotool", "search", "--onlyvisible", "--name", "^Quorvex$")
        ids = found.stdout.split()
        if ids:
            shell = x(env, "xdotool", "getwindowgeometry", "--shell", ids[0]).stdout
            values = dict(line.split("=", 1) for line in shell.split() if "=" in line)
            if int(values.get("WIDTH", 0)) > 0:
                return (int(values["X"]), int(values["Y"]), int(values["WIDTH"]),
                        int(values["HEIGHT"]))
        time.sleep(0.2)
    fail("no visible window named Quorvex appeared")


class Screen:
    """A picture of the game's part of the X screen in logical pixels (5 bits per channel)."""

    def __init__(self, env, geometry, path):
        gx, gy, gw, gh = geometry
        shot = x(env, "import", "-window", "root", path)
        if shot.returncode != 0:
            fail("import could not photograph the screen: " + shot.stderr.strip())
        raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True,
                             timeout=30).stdout
        if len(raw) != 1024 * 768 * 3:
            fail("the screen picture is %d bytes, not 1024 x 768 RGB" % len(raw))
        self.scale = gw // LOGICAL_W
        self.rows = []
        # The centre of each logical pixel's block of window pixels.
        for ly in range(LOGICAL_H):
            sy = gy + ly * self.scale + self.scale // 2
            row = []
            for lx in range(LOGICAL_W):
                sx = gx + lx * self.scale + self.scale // 2
                i = (sy * 1024 + sx) * 3
                row.append((raw[i] >> 3, raw[i + 1] >> 3, raw[i + 2] >> 3))
            self.rows.append(row)

    def count(self, rgb, top=0):
        key = tuple(c >> 3 for c in rgb)
        return sum(row.count(key) for row in self.rows[top:])

    def colours(self):
        return len({p for row in self.rows for p in row})

    def held_goo_at(self, lx, ly):
        """Bright red pixels (a goo, not a link) within 4 logical pixels of (lx, ly)."""
        return sum(1 for py in range(max(0, ly - 4), min(LOGICAL_H, ly + 5))
                   for px in range(max(0, lx - 4), min(LOGICAL_W, lx + 5))
                   if self.rows[py][px][0] >= 24 and self.rows[py][px][1] <= 14)

    def points(self, rgb, top=0):
        key = tuple(c >> 3 for c in rgb)
        return [(px, py) for py in range(top, LOGICAL_H) for px, p in enumerate(self.rows[py])
                if p == key]


def close_window(display_name, window_id):
    """Asks the window to close as a desktop's close button does (WM_DELETE_WINDOW)."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.c_void_p]
    x11.XFlush.argtypes = x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    class ClientMessage(ctypes.Structure):  # XClientMessageEvent, padded to an XEvent
        _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                    ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                    ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                    ("format", ctypes.c_int), ("l", ctypes.c_long * 5),
                    ("pad", ctypes.c_long * 12)]

    d = x11.XOpenDisplay(display_name.encode())
    if not d:
        fail("the X display %s could not be opened to close the window" % display_name)
    event = ClientMessage(type=33, window=window_id, format=32)  # 33: ClientMessage
    event.message_type = x11.XInternAtom(d, b"WM_PROTOCOLS", 0)
    event.l[0] = x11.XInternAtom(d, b"WM_DELETE_WINDOW", 0)
    x11.XSendEvent(d, window_id, 0, 0, ctypes.byref(event))
    x11.XFlush(d)
    x11.XCloseDisplay(d)


def keep_gl_driver_loaded(game, env):
    """Under AddressSanitizer, preloads Mesa's software driver into the game.

    The X display's closing unloads the driver, and with it the globals that hold its own
    allocations: LeakSanitizer would report those blocks, from a library no longer there to name.
    Kept loaded, they stay reachable and any leak left is ours. The sanitizer's runtime must come
    first in the preload list.
    """
    with open(game, "rb") as f:
        if b"__asan_init" not in f.read():
            return
    libs = subprocess.run(["ldd", game], capture_output=True, text=True).stdout.split()
    asan = [lib for lib in libs if "/libasan.so" in lib]
    driver = glob.glob("/usr/lib/*/dri/swrast_dri.so")
    if asan and driver:
        env["LD_PRELOAD"] = asan[0] + " " + driver[0]


def main():
    if len(sys.argv) != 5:
        print(__doc__, file=sys.stderr)
        return 2
    game, graphics, options, work = sys.argv[1:]
    for tool in ("Xvfb", "xdotool", "import", "convert"):
        if shutil.which(tool) is None:
            skip(tool + " is not installed (scripts/install-deps.sh installs it)")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    shutil.copy(game, os.path.join(work, "quorvex"))
    shutil.copy(graphics, os.path.join(work, "graphics.dat"))
    shutil.copy(options, os.path.join(work, "options.dat"))

    display = Display()
    env = dict(os.environ, DISPLAY=display.name, SDL_AUDIODRIVER="dummy")
    env.pop("SDL_VIDEODRIVER", None)
    game_env = dict(env)  # the X tools run without the game's preloads
    keep_gl_driver_loaded(os.path.join(work, "quorvex"), game_env)
    counts = open(os.path.join(work, "pictures.txt"), "w")
    proc = subprocess.Popen([os.path.join(work, "quorvex"), "--count-pictures"], env=game_env,
                            cwd=work, stdout=counts)
    try:
        geometry = window_geometry(env)
        gx, gy, gw, gh = geometry
        if gw % LOGICAL_W or gh % LOGICAL_H or gw // LOGICAL_W != gh // LOGICAL_H:
            fail("the window is %d x %d, not a whole multiple of the screen" % (gw, gh))
        if gw // LOGICAL_W != 2:
            fail("a 1024 x 768 desktop holds the screen twice, the window is %dx" % (gw // 240))
        scale = gw // LOGICAL_W

        def click(lx, ly, pause=0.6):
            x(env, "xdotool", "mousemove", str(gx + lx * scale + scale // 2),
              str(gy + ly * scale + scale // 2), "click", "1")
            time.sleep(pause)

        def shot(name):
            return Screen(env, geometry, os.path.join(work, name))

        time.sleep(1.5)
        menu = shot("1-start.png")
        if menu.colours() < 8:
            fail("the start menu shows %d colours: the window stays blank" % menu.colours())
        if proc.poll() is not None:
            fail("the game ended at the start menu with status %d" % proc.returncode)

        click(120, 120)  # play: the choice of modes
        choose = shot("2-choose.png")
        if choose.rows == menu.rows:
            fail("a click on the start menu's play button changed nothing")
        click(120, 108)  # classic
        click(120, 208, pause=2.5)  # start: the game and its briefing
        click(120, 190, pause=3.0)  # the briefing is read: goos fall and crawl
        game_screen = shot("3-game.png")
        if game_screen.count(LINK, TOOLBAR) == 0:
            fail("no tower links on the game screen: the click did not start a game")
        # Goos fall and the tower sways: two whole counts of two seconds, the better one taken
        # (a machine busy with other work may hold the game up for a moment).
        with open(os.path.join(work, "pictures.txt")) as f:
            counted = sum(1 for l in f if l.startswith("quorvex: "))
        time.sleep(4.5)
        with open(os.path.join(work, "pictures.txt")) as f:
            lines = [l.split() for l in f if l.startswith("quorvex: ")][counted:]
        if not lines:
            fail("the game printed no count of pictures")
        rate = max(int(l[1]) / float(l[4]) for l in lines)
        print("desktop window: %.0f pictures a second during the game" % rate)
        if rate < 40:
            fail("only %.0f pictures a second reached the window: %s" % (rate, lines))

        placed = False
        for attempt in range(6):
            screen = shot("4-attempt-%d.png" % attempt)
            goos = screen.points(GOO, TOOLBAR)
            links = screen.points(LINK, TOOLBAR)
            if not goos or not links:
                time.sleep(1.0)
                continue
            # The lowest goo lies on the ground, holding still while it is picked up.
            sx, sy = max(goos, key=lambda p: p[1])
            top = min(links, key=lambda p: p[1])
            top_before = top[1]
            # Goos climbing the tower may crowd the point above its top: each attempt aims a
            # little to the side of the one before.
            tx = top[0] + (0, -14, 14, -28, 28, 0)[attempt]
            ty = max(TOOLBAR + 12, top[1] - 20 - 8 * (attempt // 3))
            points = [(sx, sy), ((sx + tx) // 2, (sy + ty) // 2), (tx, ty)]
            wx = [gx + p[0] * scale + scale // 2 for p in points]
            wy = [gy + p[1] * scale + scale // 2 for p in points]
            if screen.held_goo_at(tx, ty):
                continue  # something red is already there: the check below would prove nothing
            x(env, "xdotool", "mousemove", str(wx[0]), str(wy[0]), "mousedown", "1")
            time.sleep(0.1)
            for px, py in zip(wx[1:], wy[1:]):
                x(env, "xdotool", "mousemove", str(px), str(py))
                time.sleep(0.1)
            held = shot("4-held-%d.png" % attempt).held_goo_at(tx, ty)
            x(env, "xdotool", "mouseup", "1")
            if held < 12:
                fail("the goo in the hand is not drawn at the pointer (%d red pixels)" % held)
            time.sleep(1.0)
            after = shot("5-after-%d.png" % attempt).points(LINK, TOOLBAR)
            # A goo joined above the top blob raises the tower's highest link.
            top_after = min(p[1] for p in after) if after else LOGICAL_H
            print("desktop window: drag %d: the tower's top from row %d to %d" %
                  (attempt, top_before, top_after))
            if top_after <= top_before - 4:
                placed = True
                break
        if not placed:
            fail("no dragged goo raised the tower")
        if proc.poll() is not None:
            fail("the game ended during play with status %d" % proc.returncode)
        print("desktop window: a %dx window, a classic game started and a goo placed" % scale)
        # Resized, the picture keeps its aspect: whole scales where the window holds one, the
        # largest true fit in a smaller one, black bars around.
        window_id = x(env, "xdotool", "search", "--onlyvisible", "--name", "^Quorvex$").stdout.split()[0]
        for size, expected in (((200, 200), "150x200+25+0"), ((700, 700), "480x640+110+30")):
            x(env, "xdotool", "windowsize", window_id, str(size[0]), str(size[1]))
            time.sleep(1.0)
            wx, wy, ww, wh = window_geometry(env)
            path = os.path.join(work, "6-resized-%dx%d.png" % size)
            x(env, "import", "-window", "root", path)
            trimmed = x(env, "convert", path, "-crop", "%dx%d+%d+%d" % (ww, wh, wx, wy),
                        "+repage", "-fuzz", "2%", "-trim", "-format", "%wx%h%O", "info:")
            picture = trimmed.stdout.strip().replace("+-", "-")
            if (ww, wh) != size or picture != expected:
                fail("a %dx%d window shows the picture as %s, not %s" %
                     (ww, wh, picture, expected))
        # Closing the window during the game asks first; a second close ends the game cleanly
        # (a sanitizer report at exit ends it with another status).
        close_window(display.name, int(window_id))
        time.sleep(1.5)
        shot("7-close-asked.png")
        if proc.poll() is not None:
            fail("closing the window ended the game at once, status %d" % proc.returncode)
        close_window(display.name, int(window_id))
        try:
            status = proc.wait(timeout=30)
        except subprocess.TimeoutExpired:
            fail("the game did not end within 30 s of the window's second close")
        if status != 0:
            fail("closed, the game ended with status %d" % status)
        return 0
    finally:
        if proc.poll() is None:
            proc.terminate()
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
        display.close()


if __name__ == "__main__":
    sys.exit(main())
