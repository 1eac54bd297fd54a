#!/usr/bin/env python3
"""Runs build-web/bench.html (bench/frame_bench.cpp built for the browser) in headless Chromium
served on 127.0.0.1 and prints the line it prints.

Usage: web_bench.py WEB_BUILD"""

import functools
import http.server
import os
import sys
import threading

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from web_cdp import Browser  # noqa: E402
from web_smoke import QuietHandler  # noqa: E402


def main():
    web = os.path.abspath(sys.argv[1])
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=web))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    browser = Browser(f"http://127.0.0.1:{server.server_address[1]}/bench.html")
    try:
        line = browser.wait_for("document.getElementById('output').textContent"
                                ".match(/whole frame.*/)?.[0]", 300)
    finally:
        browser.close()
        server.shutdown()
    if not line:
        print("\n".join(browser.console[-20:]))
        return 1
    print(line)
    return 0


if __name__ == "__main__":
    sys.exit(main())
