"""A headless Chromium driven over the DevTools protocol with nothing but the standard library.

Browser(page_url) starts Debian's chromium with a fresh profile and no network beyond this
machine, opens the page and gives evaluate() (a JavaScript expression's value), screenshot()
(PNG bytes) and click()/touch()/key() (input events as a person's)."""

import base64
import json
import os
import shutil
import socket
import struct
import subprocess
import tempfile
import time
import urllib.request

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--remote-debugging-port=0",
]


class WebSocket:
    """The client side of RFC 6455, text frames only: enough for the DevTools protocol."""

    def __init__(self, url):
        assert url.startswith("ws://")
        host_port, path = url[5:].split("/", 1)
        host, port = host_port.split(":")
        self.sock = socket.create_connection((host, int(port)), timeout=60)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /{path} HTTP/1.1\r\nHost: {host_port}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        reply = b""
        while b"\r\n\r\n" not in reply:
            chunk = self.sock.recv(4096)
            if not chunk:
                raise ConnectionError("the browser closed the DevTools connection")
            reply += chunk
        if b" 101 " not in reply.split(b"\r\n", 1)[0]:
            raise ConnectionError(reply.decode(errors="replace"))
        self.buffer = reply.split(b"\r\n\r\n", 1)[1]

    def send(self, text):
        data = text.encode()
        header = bytes([0x81])
        if len(data) < 126:
            header += bytes([0x80 | len(data)])
        elif len(data) < 65536:
            header += bytes([0x80 | 126]) + struct.pack(">H", len(data))
        else:
            header += bytes([0x80 | 127]) + struct.pack(">Q", len(data))
        mask = os.urandom(4)
        self.sock.sendall(header + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def _read(self, n):
        while len(self.buffer) < n:
            chunk = self.sock.recv(1 << 20)
            if not chunk:
                raise ConnectionError("the browser closed the DevTools connection")
            self.buffer += chunk
        out, self.buffer = self.buffer[:n], self.buffer[n:]
        return out

    def receive(self):
        message = b""
        while True:
            b0, b1 = self._read(2)
            n = b1 & 0x7F
            if n == 126:
                n = struct.unpack(">H", self._read(2))[0]
            elif n == 127:
                n = struct.unpack(">Q", self._read(8))[0]
            payload = self._read(n)
            if b0 & 0x0F == 0x8:
                raise ConnectionError("the browser closed the DevTools connection")
            if b0 & 0x0F in (0x9, 0xA):  # ping, pong
                continue
            message += payload
            if b0 & 0x80:
                return message.decode()


class Browser:
    def __init__(self, url, width=800, height=900, before_page=None, downloads=None):
        """before_page: a script run in the page before its own (to take an API away);
        downloads: the folder the page's downloads are saved in."""
        self.profile = tempfile.mkdtemp(prefix="qv-web-chromium-")
        self.process = subprocess.Popen(
            ["chromium", *CHROMIUM_FLAGS, f"--user-data-dir={self.profile}",
             f"--window-size={width},{height}", "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        port_file = os.path.join(self.profile, "DevToolsActivePort")
        deadline = time.time() + 60
        while not os.path.exists(port_file) or os.path.getsize(port_file) == 0:
            if time.time() > deadline or self.process.poll() is not None:
                self.close()
                raise RuntimeError("chromium did not open its DevTools port")
            time.sleep(0.1)
        port = int(open(port_file).read().split()[0])
        with urllib.request.urlopen(f"http://127.0.0.1:{port}/json") as reply:
            pages = [t for t in json.load(reply) if t["type"] == "page"]
        self.ws = WebSocket(pages[0]["webSocketDebuggerUrl"])
        self.next_id = 0
        self.console = []
        self.call("Runtime.enable")
        self.call("Page.enable")
        if before_page:
            self.call("Page.addScriptToEvaluateOnNewDocument", source=before_page)
        if downloads:
            self.call("Page.setDownloadBehavior", behavior="allow", downloadPath=downloads)
        self.navigated = time.time()
        self.call("Page.navigate", url=url)

    def call(self, method, **params):
        self.next_id += 1
        self.ws.send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.receive())
            if message.get("method") == "Runtime.consoleAPICalled":
                args = message["params"]["args"]
                self.console.append(" ".join(str(a.get("value", a.get("description", "")))
                                             for a in args))
            elif message.get("method") == "Runtime.exceptionThrown":
                self.console.append("exception: " + json.dumps(
                    message["params"]["exceptionDetails"].get("exception", {})
                    .get("description", message["params"]["exceptionDetails"].get("text"))))
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message["result"]

    def evaluate(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, seconds):
        """Polls a JavaScript expression until it is true; its last value."""
        deadline = time.time() + seconds
        value = None
        while time.time() < deadline:
            try:
                value = self.evaluate(expression)
            except RuntimeError:  # the page is still loading
                value = None
            if value:
                return value
            time.sleep(0.25)
        return value

    def screenshot(self):
        return base64.b64decode(self.call("Page.captureScreenshot", format="png")["data"])

    def click(self, x, y):
        # SDL's browser backend takes a button's position from the last mouse move, as a
        # person's pointer always comes before their click.
        self.call("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        for kind in ("mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                      clickCount=1)

    def touch(self, x, y):
        """A finger's tap (the page is told it runs on a touch screen first)."""
        self.call("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=1)
        self.call("Input.dispatchTouchEvent", type="touchStart", touchPoints=[{"x": x, "y": y}])
        self.call("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])

    def key(self, code, key, key_code):
        for kind in ("keyDown", "keyUp"):
            self.call("Input.dispatchKeyEvent", type=kind, code=code, key=key,
                      windowsVirtualKeyCode=key_code)

    def mouse(self, kind, x, y):
        """One mouse event: "mousePressed", "mouseMoved" (with the button held) or
        "mouseReleased", the left button. A press comes after a move there, as in click()."""
        if kind == "mousePressed":
            self.call("Input.dispatchMouseEvent", type="mouseMoved", x=x, y=y)
        self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left",
                  buttons=1 if kind != "mouseReleased" else 0, clickCount=1)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)
