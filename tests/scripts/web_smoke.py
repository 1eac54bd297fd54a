#!/usr/bin/env python3
"""The web build in a real browser: serves WEB_BUILD on 127.0.0.1, opens it in headless Chromium
and checks, pixel for pixel against the native game's own frames (qvtool run on the same
graphics.dat), that the menus, the modal briefing and a running game are drawn as clicks lead.

Usage: web_smoke.py WEB_BUILD [QVTOOL]   (QVTOOL defaults to build/bin/qvtool)
Writes what the browser showed at each step as WEB_BUILD/smoke/NAME.png."""

import functools
import http.server
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import content_bot  # noqa: E402
from web_cdp import Browser  # noqa: E402

WIDTH, HEIGHT = 240, 320
FULL = (0, 0, WIDTH, HEIGHT)
MESSAGE = (20, 90, 200, 120)  # where the briefing stands: sky alone once it is gone


class Texts:
    """An area compared by its texts alone: the light pixels on a dark menu panel (or the dark
    outlines on the start menu's light one). The demo world behind the panels plays on in real
    time, so the sky, clouds and goos seen through them differ from the native frame at the same
    replay time; the texts say which screen it is."""

    def __init__(self, area, dark=False):
        self.area, self.dark = area, dark


# The menus' panels (inside their edges): the start menu's, the choice of game's and the mode
# screen's.
START_PANEL = Texts((12, 38, 216, 200), dark=True)
PANEL = Texts((14, 24, 212, 242))
MODE_PANEL = Texts((14, 44, 212, 192))
# Steps played in order: (name, logical tap or None, milliseconds to wait, compared area).
# After each the page's canvas is compared with the native frame after the same steps. The
# options are opened by a finger and the effects turned up (saved as the options close, and
# found again after the reload below). The briefing is the modal message screen, whose own
# frame loop must yield to the browser; the game screen after it shows that the loop returned.
# The tower in play sways differently with the page's timing, so there only the message's area
# counts.
STEPS = [
    ("start", None, 500, FULL),
    ("options", (120, 133), 300, PANEL),
    ("louder", (213, 184), 300, PANEL),
    ("menu", (120, 254), 300, START_PANEL),
    ("choose", (120, 120), 300, PANEL),
    ("classic", (120, 108), 300, MODE_PANEL),
    ("briefing", (120, 208), 2500, MESSAGE),
    ("game", (120, 190), 1500, MESSAGE),
]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def rgb(path, crop=None):
    """The picture at path as 240 x 320 raw RGB bytes (a crop of it sampled down first)."""
    args = ["convert", path]
    if crop:
        x, y, w, h = crop
        args += ["-crop", f"{w}x{h}+{x}+{y}", "+repage", "-filter", "point",
                 "-resize", f"{WIDTH}x{HEIGHT}!"]
    out = subprocess.run(args + ["-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    assert len(out) == WIDTH * HEIGHT * 3, (path, len(out))
    return out


def native_frame(qvtool, graphics, replay, folder, saved=None):
    """The native game's last frame after replay, its install folder made of graphics.dat and
    the default options.dat, or of the files in saved (name: bytes) in their place."""
    install = os.path.join(folder, "install")
    os.makedirs(install, exist_ok=True)
    subprocess.run(["cp", graphics, os.path.join(install, "graphics.dat")], check=True)
    if saved is None:
        subprocess.run(["cp", os.path.join(os.path.dirname(graphics), "options.dat"),
                        os.path.join(install, "options.dat")], check=True)
    for name, data in (saved or {}).items():
        with open(os.path.join(install, name), "wb") as f:
            f.write(data)
    shot = os.path.join(folder, "native.bmp")
    with open(os.path.join(folder, "r.replay"), "w") as f:
        f.write(replay + f"shot {shot}\nquit\n")
    subprocess.run([qvtool, "run", "--dir", install, "--replay", f.name], check=True,
                   capture_output=True)
    return rgb(shot)


def text_share(a, b, texts, light=180, dark=100):
    """Of the pixels that are text in a or b (every channel at least `light`, or with
    texts.dark at most `dark`), the share that are text in both."""
    x0, y0, w, h = texts.area
    both = either = 0
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            i = (y * WIDTH + x) * 3
            pa, pb = a[i:i + 3], b[i:i + 3]
            ta = max(pa) <= dark if texts.dark else min(pa) >= light
            tb = max(pb) <= dark if texts.dark else min(pb) >= light
            both += ta and tb
            either += ta or tb
    return both / either if either else 0.0


def same_share(a, b, area=FULL, tolerance=6):
    """The share of pixels in area (x, y, w, h) alike in a and b (the page's colour conversion
    may move a channel by a few steps)."""
    x0, y0, w, h = area
    same = 0
    for y in range(y0, y0 + h):
        for x in range(x0, x0 + w):
            i = (y * WIDTH + x) * 3
            same += all(abs(a[i + c] - b[i + c]) <= tolerance for c in range(3))
    return same / (w * h)


RUNNING = ("document.getElementById('status').textContent == 'Running' && "
           "document.getElementById('canvas').width > 0")
# What the page's player's folder holds in the damaged case: options with hostile values and
# binary noise, and records whose count runs past the file's end.
DAMAGED = {"options.dat": b"MusicVolume = 99999999999\nConnectType = -7\n\xff\xfe\x00=\n" * 3 +
           bytes(range(256)),
           "scores.dat": b"\xff\xff\xff\x7f" + b"\x01\x00\x00\x00garbage" * 5}
# The page's IndexedDB taken away before it loads: absent, or refusing to open as in a private
# window that denies it.
NO_STORAGE = {
    "absent": "Object.defineProperty(window, 'indexedDB', {get() { return undefined; }});",
    "refused": "IDBFactory.prototype.open = function () {"
               " throw new DOMException('denied', 'SecurityError'); };",
}
# Each block of samples SDL's audio callback fills: counted, and its loudest sample kept.
HEAR = """(() => { const node = Module.SDL2.audio.scriptProcessorNode, fed = node.onaudioprocess;
  window.qvBlocks = 0; window.qvPeak = 0;
  node.onaudioprocess = function (e) { fed.call(this, e); qvBlocks++;
    for (let c = 0; c < e.outputBuffer.numberOfChannels; c++)
      for (const v of e.outputBuffer.getChannelData(c)) qvPeak = Math.max(qvPeak, Math.abs(v)); };
  return true; })()"""
LINK = content_bot.to555(content_bot.LINK)


class Check:
    def __init__(self):
        self.passed = self.failed = 0

    def __call__(self, ok, what):
        print(f"{'ok' if ok else 'FAIL'}: {what}")
        self.passed += bool(ok)
        self.failed += not ok


def canvas_rect(browser):
    return browser.evaluate(
        "(() => { const r = document.getElementById('canvas').getBoundingClientRect();"
        " return [r.left, r.top, r.width, r.height]; })()")


def at(rect, x, y):
    """The page position of the game's logical pixel x, y."""
    return rect[0] + (x + 0.5) * rect[2] / WIDTH, rect[1] + (y + 0.5) * rect[3] / HEIGHT


def pause(browser, ms):
    browser.evaluate(f"new Promise(r => setTimeout(() => r(true), {ms}))")


def compare(browser, check, name, out, qvtool, web, replay, area=FULL, saved=None):
    """The canvas against the native frame after the same replay."""
    rect = canvas_rect(browser)
    png = os.path.join(out, f"{name}.png")
    with open(png, "wb") as f:
        f.write(browser.screenshot())
    seen = rgb(png, [round(v) for v in rect])
    with tempfile.TemporaryDirectory() as folder:
        expected = native_frame(qvtool, os.path.join(web, "graphics.dat"), replay, folder, saved)
    if isinstance(area, Texts):
        share = text_share(seen, expected, area)
        check(share >= 0.9, f"{name}: {share:.1%} of the panel's text pixels as the native "
              f"game draws them (canvas {rect[2]:.0f} x {rect[3]:.0f}); {png}")
        return
    share = same_share(seen, expected, area)
    # The clouds on the menus move; another screen is ~0.6.
    check(share >= 0.9, f"{name}: {share:.1%} of the pixels as the native game draws them "
          f"(canvas {rect[2]:.0f} x {rect[3]:.0f}); {png}")


def variable(browser, name):
    """An application variable of the running game. The game is suspended in its frame loop
    (ccall would wait for that to end): the name goes on the C stack below its frames."""
    return browser.evaluate(f"""(() => {{ if (!Module.qvApplication) return null;
      const top = Module.stackSave(), name = Module.stackAlloc(64);
      Module.stringToUTF8('{name}', name, 64);
      const value = Module.UTF8ToString(Module._qv_variable(Module.qvApplication, name));
      Module.stackRestore(top);
      return value; }})()""")


def screenshot_download(browser, downloads, number):
    """F8, then the BMP the page offered as a download (or None)."""
    browser.key("F8", "F8", 119)
    path = os.path.join(downloads, "screenshot%04d.bmp" % number)
    deadline = time.time() + 10
    while time.time() < deadline and not os.path.exists(path):  # named so once complete
        time.sleep(0.05)
    return path if os.path.exists(path) else None


def keep_png(bmp, out, name):
    if bmp:
        subprocess.run(["convert", bmp, os.path.join(out, name + ".png")], check=True)


def tower_top(bmp):
    """The highest row of the screen that shows a link of the tower (content_bot's colour)."""
    width, height, rows = content_bot.read_bmp(bmp)
    return next((y for y in range(content_bot.TOOLBAR, height) if LINK in rows[y]), height)


def drag(browser, lines):
    """content_bot's drag (down, move, up and waits) as mouse events on the canvas."""
    rect = canvas_rect(browser)
    kinds = {"down": "mousePressed", "move": "mouseMoved", "up": "mouseReleased"}
    for line in lines:
        word, *numbers = line.split()
        if word == "wait":
            time.sleep(int(numbers[0]) / 1000)
        else:
            browser.mouse(kinds[word], *at(rect, int(numbers[0]), int(numbers[1])))


def play(browser, check, out, qvtool, web, downloads):
    """The menus to a classic game against the native frames, sound after the first tap, F8 and
    one goo dragged to the tower."""
    # Headless Chromium lets sound run without a gesture (even told otherwise): the audio is
    # suspended as a browser does it before the first gesture, so the tap must resume it.
    context = "Module.SDL2.audioContext.state"
    before = browser.evaluate(f"Module.SDL2.audioContext.suspend().then(() => {context})")
    browser.evaluate(HEAR)
    replay = ""
    for name, tap, wait_ms, area in STEPS:
        if tap:
            press = browser.touch if name == "options" else browser.click
            press(*at(canvas_rect(browser), *tap))
            replay += f"tap {tap[0]} {tap[1]}\n"
        replay += f"wait {wait_ms}\n"
        # Real time in the page: a little longer than the native game's virtual wait.
        pause(browser, wait_ms + 700)
        compare(browser, check, name, out, qvtool, web, replay, area)
    # The browser lets sound start only after a gesture: the first tap (a finger's) starts it,
    # and SDL_mixer's callback then fills the Web Audio node's blocks with the music.
    after, blocks, peak = browser.evaluate(f"[{context}, qvBlocks, qvPeak]")
    check(before == "suspended" and after == "running" and blocks > 0 and peak > 0.01,
          f"sound: the audio context {before} before the first tap, {after} after; "
          f"{blocks} blocks fed, loudest sample {peak:.3f}")

    # F8 once the goos have landed: the screenshot comes as a download, the BMP the desktop
    # writes (the same header).
    pause(browser, 2500)
    first = screenshot_download(browser, downloads, 1)
    with tempfile.TemporaryDirectory() as folder:
        native_frame(qvtool, os.path.join(web, "graphics.dat"), replay + "key 119\nwait 300\n",
                     folder)
        with open(os.path.join(folder, "install", "screenshot0001.bmp"), "rb") as f:
            native_header = f.read(54)
    header = open(first, "rb").read(54) if first else b""
    check(header == native_header, f"F8 downloads screenshot0001.bmp, a BMP as the desktop's: {first}")
    if not first:
        return 1
    # A goo dragged to the tower becomes a blob: one goo fewer left, the tower's links higher.
    # A drop the game refuses (the tower swayed) is tried again from a new screenshot.
    shots, second = 1, None
    for attempt in range(3):
        move = content_bot.next_move(first, attempt)
        if move is None:
            break
        drag(browser, move)
        pause(browser, 1000)
        shots += 1
        second = screenshot_download(browser, downloads, shots)
        if not second or variable(browser, "GoosLeft") != "30":
            break
        first = second
    keep_png(first, out, "f8-before-drag")
    keep_png(second, out, "f8-after-drag")
    left = variable(browser, "GoosLeft")
    tops = (tower_top(first), tower_top(second) if second else HEIGHT)
    check(left == "29" and tops[1] <= tops[0] - 8,
          f"a goo dragged to the tower becomes a blob ({attempt + 1} drags): 29 goos left "
          f"({left}), the tower's top link from row {tops[0]} up to {tops[1]}")
    return shots


def reload(browser):
    browser.call("Page.reload")
    time.sleep(1)
    return browser.wait_for(RUNNING, 60)


def saved_file(browser, name):
    return browser.evaluate(f"FS.analyzePath('/save/{name}').exists ? "
                            f"Array.from(FS.readFile('/save/{name}')) : null")


def main():
    web = os.path.abspath(sys.argv[1])
    qvtool = sys.argv[2] if len(sys.argv) > 2 else "build/bin/qvtool"
    out = os.path.join(web, "smoke")
    os.makedirs(out, exist_ok=True)
    downloads = tempfile.mkdtemp(prefix="qv-web-downloads-")

    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=web))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"

    check = Check()
    browser = Browser(url, width=1000, height=1250, downloads=downloads)  # the game 3 times
    try:
        if not browser.wait_for(RUNNING, 90):
            print("status:", browser.evaluate("document.getElementById('status').textContent"))
            print("\n".join(browser.console[-20:]))
            raise SystemExit("FAIL: the game did not start in the browser")
        first_frame = browser.wait_for("Module.firstFrameMs", 30)
        print(f"time to the first frame: {first_frame:.0f} ms after the page was opened")
        shots = play(browser, check, out, qvtool, web, downloads)
        print("wasm memory: %.1f MB" % (browser.evaluate("wasmMemory.buffer.byteLength") / 2**20))

        # The options are saved as their screen closes (F1, then Escape back to the game): the
        # louder effects and the screenshots' number are in storage at once, for a reload
        # right after it.
        browser.key("F1", "F1", 112)
        pause(browser, 600)
        browser.key("Escape", "Escape", 27)
        pause(browser, 200)
        kept = reload(browser) and bytes(saved_file(browser, "options.dat") or []).decode()
        check(kept and "SoundVolume = 100" in kept and f"ScreenShotCount = {shots}" in kept,
              f"the options changed are kept across an immediate reload: {kept!r}")

        # Damaged files in storage get what they get on the desktop: the start menu and the
        # records as the native game shows them with the same files, options.dat tidied alike.
        for name, data in DAMAGED.items():
            browser.evaluate(f"FS.writeFile('/save/{name}', new Uint8Array({list(data)})), true")
        browser.evaluate("new Promise(r => FS.syncfs(false, e => r(!e)))")
        check(reload(browser), "the game starts with damaged options.dat and scores.dat")
        pause(browser, 1200)
        compare(browser, check, "damaged-start", out, qvtool, web, "wait 500\n", saved=DAMAGED)
        browser.click(*at(canvas_rect(browser), 120, 158))
        pause(browser, 1000)
        compare(browser, check, "damaged-records", out, qvtool, web,
                "wait 500\ntap 120 158\nwait 300\n", saved=DAMAGED)
        with tempfile.TemporaryDirectory() as folder:
            native_frame(qvtool, os.path.join(web, "graphics.dat"), "wait 500\n", folder, DAMAGED)
            tidied = open(os.path.join(folder, "install", "options.dat"), "rb").read()
        check(bytes(saved_file(browser, "options.dat") or []) == tidied,
              "the damaged options.dat is tidied as the desktop tidies it")
    finally:
        if check.failed:
            print("\n".join(browser.console[-20:]))
        browser.close()

    # Without storage (a private window) the game plays and the page says so once, quietly.
    try:
        for case, script in NO_STORAGE.items():
            browser = Browser(url, width=1000, height=1250, before_page=script)
            try:
                started = browser.wait_for(RUNNING, 90)
                pause(browser, 1200)
                note = browser.evaluate("(() => { const n = document.getElementById('note');"
                                        " return n.hidden ? '' : n.textContent; })()")
                check(started and "records" in note, f"storage {case}: the page says {note!r}")
                compare(browser, check, f"no-storage-{case}-start", out, qvtool, web, "wait 500\n")
                tap = STEPS[4][1]
                browser.click(*at(canvas_rect(browser), *tap))
                pause(browser, 1000)
                compare(browser, check, f"no-storage-{case}-choose", out, qvtool, web,
                        f"wait 500\ntap {tap[0]} {tap[1]}\nwait 300\n", PANEL)
            finally:
                if check.failed:
                    print("\n".join(browser.console[-20:]))
                browser.close()
    finally:
        server.shutdown()
        shutil.rmtree(downloads, ignore_errors=True)
    print(f"{check.passed} passed, {check.failed} failed")
    return 1 if check.failed else 0


if __name__ == "__main__":
    sys.exit(main())
