"""Headless Chromium driven over the DevTools protocol. It stays on this machine: it runs
with a fresh profile and without any of its own network traffic.
"""

import base64
import contextlib
import importlib.util
import json
import re
import shutil
import subprocess
import tempfile
import threading
import time
import urllib.request

from quorvel_drive import processes

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


def websocket_missing():
    """Why no browser can be driven here, or None: the protocols' websocket client."""
    if importlib.util.find_spec("websocket") is None:
        return "python3-websocket is not installed (scripts/setup.sh installs it)"
    return None


def chromium_missing():
    """Why Chromium cannot be driven here, or None."""
    if chromium_path() is None:
        return "Chromium is not installed (scripts/setup.sh installs it)"
    return websocket_missing()


class Page:
    """One tab: commands by method name, and the events it has sent so far."""

    def __init__(self, ws_url):
        import websocket
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

    def screenshot_png(self):
        data = self.send("Page.captureScreenshot", format="png")["data"]
        return base64.b64decode(data)


@contextlib.contextmanager
def chromium(width=647, height=455, scale=1.0):
    """A headless Chromium with a fresh profile; yields the Page of its one tab. By default
    the viewport is the window's own size, where the page shows it at 100 %."""
    binary = chromium_path()
    with tempfile.TemporaryDirectory(prefix="quorvel-chromium-",
                                     ignore_cleanup_errors=True) as profile:
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
            processes.stop(process)


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


def _drain(stream):
    for _ in stream:
        pass
