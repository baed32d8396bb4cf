"""Headless Chromium driven over the DevTools protocol, and a static server for the page.

Both stay on this machine: the server listens on 127.0.0.1 only, and Chromium runs with
a fresh profile and without any of its own network traffic.
"""

import contextlib
import functools
import http.server
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

import websocket

# The preview server's handler, which scripts/web.sh serves the site with.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web",
                                "tools"))
import serve_site  # noqa: E402

CHROMIUM_FLAGS = [
    "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
    "--disable-background-networking", "--disable-component-update", "--disable-sync",
    "--disable-default-apps", "--disable-extensions", "--mute-audio",
    "--force-color-profile=srgb", "--hide-scrollbars", "--remote-debugging-port=0",
]


class ProtocolError(Exception):
    pass


def poll_page(page, expression, timeout, poll):
    """Evaluates `expression` on any page driver until it is truthy; returns its value."""
    deadline = time.monotonic() + timeout
    while True:
        value = page.evaluate(expression)
        if value:
            return value
        if time.monotonic() > deadline:
            raise TimeoutError(f"still false after {timeout} s: {expression}")
        time.sleep(poll)


def chromium_path():
    return shutil.which("chromium") or shutil.which("chromium-browser")


@contextlib.contextmanager
def site_server(directory):
    """Serves the directory on 127.0.0.1 at a free port as the preview server does; yields
    the base URL."""
    handler = functools.partial(QuietHandler, directory=directory)
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    thread = threading.Thread(target=server.serve_forever, daemon=True)
    thread.start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


class QuietHandler(serve_site.SiteHandler):
    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass

    def handle(self):
        # A page left before its fonts arrived closes its connections mid-answer.
        try:
            super().handle()
        except (BrokenPipeError, ConnectionResetError):
            pass


class Page:
    """One tab: commands by method name, and the events it has sent so far."""

    def __init__(self, ws_url):
        self.ws = websocket.create_connection(ws_url, timeout=60, suppress_origin=True)
        self.next_id = 0
        self.events = []

    def close(self):
        self.ws.close()

    def send(self, method, **params):
        self.next_id += 1
        ident = self.next_id
        self.ws.send(json.dumps({"id": ident, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") == ident:
                if "error" in message:
                    raise ProtocolError(f"{method}: {message['error']}")
                return message.get("result", {})
            if "method" in message:
                self.events.append(message)

    def evaluate(self, expression, await_promise=True):
        result = self.send("Runtime.evaluate", expression=expression, returnByValue=True,
                           awaitPromise=await_promise)
        if "exceptionDetails" in result:
            details = result["exceptionDetails"]
            text = details.get("exception", {}).get("description") or details.get("text")
            raise ProtocolError(f"page script failed: {text}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=30.0, poll=0.02):
        """Polls a page expression until it is truthy; returns its value."""
        return poll_page(self, expression, timeout, poll)

    def navigate(self, url):
        self.send("Page.enable")
        self.send("Page.navigate", url=url)

    # Input, at CSS pixel positions of the viewport.
    def mouse(self, kind, x, y, button="left", clicks=1):
        self.send("Input.dispatchMouseEvent", type=kind, x=x, y=y, button=button,
                  clickCount=clicks, buttons=1 if kind == "mousePressed" else 0)

    def click(self, x, y, button="left"):
        self.mouse("mouseMoved", x, y, button="none")
        self.mouse("mousePressed", x, y, button=button)
        self.mouse("mouseReleased", x, y, button=button)

    def key(self, key, code=None, key_code=0, text=None, modifiers=0):
        common = {"key": key, "code": code or key, "windowsVirtualKeyCode": key_code,
                  "modifiers": modifiers}
        self.send("Input.dispatchKeyEvent", type="keyDown" if text is None else "keyDown",
                  text=text or "", **common)
        self.send("Input.dispatchKeyEvent", type="keyUp", **common)

    def screenshot_png(self):
        import base64
        data = self.send("Page.captureScreenshot", format="png")["data"]
        return base64.b64decode(data)


@contextlib.contextmanager
def chromium(width=647, height=455, scale=1.0):
    """A headless Chromium with a fresh profile; yields the Page of its one tab. By default
    the viewport is the window's own size, where the page shows it at 100 %."""
    binary = chromium_path()
    with tempfile.TemporaryDirectory(prefix="quorvel-chromium-", ignore_cleanup_errors=True) as profile:
        process = subprocess.Popen(
            [binary, *CHROMIUM_FLAGS, f"--user-data-dir={profile}",
             f"--window-size={width},{height}", f"--force-device-scale-factor={scale}",
             "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        page = None
        try:
            endpoint = _devtools_endpoint(process)
            targets = json.load(urllib.request.urlopen(f"http://{endpoint}/json/list",
                                                        timeout=30))
            tab = next(t for t in targets if t["type"] == "page")
            page = Page(tab["webSocketDebuggerUrl"])
            page.send("Runtime.enable")
            page.send("Emulation.setDeviceMetricsOverride", width=width, height=height,
                      deviceScaleFactor=scale, mobile=False)
            yield page
        finally:
            if page is not None:
                page.close()
            stop(process)


def _devtools_endpoint(process, timeout=30.0):
    return endpoint_in_stderr(process, r"DevTools listening on ws://([^/]+)/", "Chromium",
                              "its DevTools endpoint", timeout)


def endpoint_in_stderr(process, pattern, browser, what, timeout):
    """Reads a starting browser's standard error until a line matches `pattern`; returns
    the pattern's first group. Stderr is read on afterwards, so that the browser never
    blocks on a full pipe."""
    deadline = time.monotonic() + timeout
    seen = []
    while time.monotonic() < deadline:
        line = process.stderr.readline()
        if not line:
            if process.poll() is not None:
                break
            continue
        seen.append(line)
        found = re.search(pattern, line)
        if found:
            threading.Thread(target=_drain, args=(process.stderr,), daemon=True).start()
            return found.group(1)
    raise ProtocolError(f"{browser} did not start {what}:\n" + "".join(seen[-20:]))


def stop(process):
    """Ends a browser, killing it if it does not end within 15 s."""
    process.terminate()
    try:
        process.wait(timeout=15)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def _drain(stream):
    for _ in stream:
        pass
