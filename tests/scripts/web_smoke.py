#!/usr/bin/env python3
"""The web build in a real browser: serves WEB_BUILD on 127.0.0.1, opens it in headless Chromium
and checks, pixel for pixel against the native game's own frames (qvtool run on the same
graphics.dat), that the menus, the modal briefing and a running game are drawn as clicks lead.

Usage: web_smoke.py WEB_BUILD [QVTOOL]   (QVTOOL defaults to build/bin/qvtool)
Writes what the browser showed at each step as WEB_BUILD/smoke/NAME.png."""

import functools
import http.server
import os
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from web_cdp import Browser  # noqa: E402

WIDTH, HEIGHT = 240, 320
FULL = (0, 0, WIDTH, HEIGHT)
MESSAGE = (20, 90, 200, 120)  # where the briefing stands: sky alone once it is gone
# Steps played in order: (name, logical tap or None, milliseconds to wait, compared area).
# After each the page's canvas is compared with the native frame after the same steps. The
# briefing is the modal message screen, whose own frame loop must yield to the browser; the
# game screen after it shows that the loop returned. The tower in play sways differently with
# the page's timing, so there only the message's area counts. Options is opened by a finger.
STEPS = [
    ("start", None, 500, FULL),
    ("options", (120, 146), 300, FULL),
    ("menu", (120, 254), 300, FULL),
    ("choose", (120, 120), 300, FULL),
    ("classic", (120, 108), 300, FULL),
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


def native_frame(qvtool, graphics, replay, folder):
    install = os.path.join(folder, "install")
    os.makedirs(install, exist_ok=True)
    subprocess.run(["cp", graphics, os.path.join(install, "graphics.dat")], check=True)
    subprocess.run(["cp", os.path.join(os.path.dirname(graphics), "options.dat"),
                    os.path.join(install, "options.dat")], check=True)
    shot = os.path.join(folder, "native.bmp")
    with open(os.path.join(folder, "r.replay"), "w") as f:
        f.write(replay + f"shot {shot}\nquit\n")
    subprocess.run([qvtool, "run", "--dir", install, "--replay", f.name], check=True,
                   capture_output=True)
    return rgb(shot)


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


def main():
    web = os.path.abspath(sys.argv[1])
    qvtool = sys.argv[2] if len(sys.argv) > 2 else "build/bin/qvtool"
    out = os.path.join(web, "smoke")
    os.makedirs(out, exist_ok=True)

    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=web))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = f"http://127.0.0.1:{server.server_address[1]}/index.html"

    failures = 0
    browser = Browser(url, width=1000, height=1250)  # room for the game three times over
    try:
        started = browser.wait_for(
            "document.getElementById('status').textContent == 'Running' && "
            "document.getElementById('canvas').width > 0", 90)
        if not started:
            print("status:", browser.evaluate("document.getElementById('status').textContent"))
            print("\n".join(browser.console[-20:]))
            raise SystemExit("FAIL: the game did not start in the browser")
        replay = ""
        for name, tap, wait_ms, area in STEPS:
            rect = browser.evaluate(
                "(() => { const r = document.getElementById('canvas').getBoundingClientRect();"
                " return [r.left, r.top, r.width, r.height]; })()")
            if tap:
                press = browser.touch if name == "options" else browser.click
                press(rect[0] + (tap[0] + 0.5) * rect[2] / WIDTH,
                      rect[1] + (tap[1] + 0.5) * rect[3] / HEIGHT)
                replay += f"tap {tap[0]} {tap[1]}\n"
            replay += f"wait {wait_ms}\n"
            # Real time in the page: a little longer than the native game's virtual wait.
            browser.evaluate(f"new Promise(r => setTimeout(() => r(true), {wait_ms + 700}))")
            png = os.path.join(out, f"{name}.png")
            with open(png, "wb") as f:
                f.write(browser.screenshot())
            seen = rgb(png, [round(v) for v in rect])
            with tempfile.TemporaryDirectory() as folder:
                expected = native_frame(qvtool, os.path.join(web, "graphics.dat"), replay, folder)
            share = same_share(seen, expected, area)
            ok = share >= 0.9  # the clouds and the tower on the menus move; another screen is ~0.6
            failures += not ok
            print(f"{'ok' if ok else 'FAIL'}: {name}: {share:.1%} of the pixels as the native "
                  f"game draws them (canvas {rect[2]:.0f} x {rect[3]:.0f}); {png}")
        # SDL_mixer opened the browser's audio (a Web Audio node fed by the mixer, running).
        sound = browser.evaluate(
            "(() => { const s = Module.SDL2; return !!(s && s.audioContext && s.audio &&"
            " s.audio.scriptProcessorNode && s.audioContext.state == 'running'); })()")
        failures += not sound
        print(f"{'ok' if sound else 'FAIL'}: the sound device runs")
        # The player's folder survives a reload: the page writes /save back to IndexedDB within
        # a few seconds and loads it again before the game starts.
        browser.evaluate("FS.writeFile('/save/kept.txt', 'kept'), true")
        browser.evaluate("new Promise(r => setTimeout(() => r(true), 3000))")
        browser.call("Page.reload")
        time.sleep(1)
        kept = browser.wait_for(
            "document.getElementById('status').textContent == 'Running' && "
            "FS.analyzePath('/save/kept.txt').exists && "
            "new TextDecoder().decode(FS.readFile('/save/kept.txt')) == 'kept'", 60)
        failures += not kept
        print(f"{'ok' if kept else 'FAIL'}: a file of the player's folder is kept across a reload")
    finally:
        if failures:
            print("\n".join(browser.console[-20:]))
        browser.close()
        server.shutdown()
    print(f"{len(STEPS) + 2 - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
