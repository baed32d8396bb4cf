"""WebKit, the engine of every browser on an iPad or an iPhone, as Debian carries it: WebKitGTK's
MiniBrowser on a private Xvfb, driven through WebKitWebDriver over W3C WebDriver (plain HTTP),
with the same page methods as cdp.Page where the tests need them (evaluate, wait_for,
navigate, screenshot_png, click) and a mouse and a keyboard.

WebKitGTK has no touch input to drive and no emulated device: the viewport is the window's
inside, never narrower than MiniBrowser lets its window be, and the device pixel ratio is
GDK's whole-number scale, set as the browser starts.
"""

import base64
import contextlib
import glob
import json
import os
import shutil
import socket
import subprocess
import tempfile
import time
import urllib.error
import urllib.request

from quorvel_drive import processes
from quorvel_drive.xvfb import x_client_env, x_server

DRIVER = "WebKitWebDriver"
LIBRARY_PACKAGE = "libwebkit2gtk-4.1-0"
# MiniBrowser's window is never narrower than this, in CSS pixels.
NARROWEST = 447
# A key's WebDriver value.
KEYS = {"Tab": "\ue004", "Enter": "\ue007", "Esc": "\ue00c", "Space": " ", "Up": "\ue013",
        "Down": "\ue015", "F1": "\ue031", "Shift": "\ue008"}


class ProtocolError(Exception):
    pass


def minibrowser_path():
    """MiniBrowser, which the WebKitGTK library package installs in its library folder."""
    with contextlib.suppress(OSError, subprocess.SubprocessError):
        listed = subprocess.run(["dpkg", "-L", LIBRARY_PACKAGE], capture_output=True,
                                text=True, timeout=30).stdout.split()
        found = [p for p in listed if p.endswith("/MiniBrowser") and os.access(p, os.X_OK)]
        if found:
            return found[0]
    found = glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser")
    return found[0] if found else None


def webkit_missing():
    """Why WebKit cannot be driven here, or None."""
    if shutil.which(DRIVER) is None:
        return f"{DRIVER} is not installed (scripts/setup.sh installs webkit2gtk-driver)"
    if minibrowser_path() is None:
        return f"no MiniBrowser from {LIBRARY_PACKAGE} (scripts/setup.sh installs it)"
    if shutil.which("Xvfb") is None:
        return "Xvfb is not installed (scripts/setup.sh installs xvfb)"
    return None


class Page:
    """The one window of a WebDriver session."""

    def __init__(self, base):
        self.base = base
        caps = {"browserName": "MiniBrowser",
                "webkitgtk:browserOptions": {"binary": minibrowser_path(),
                                             "args": ["--automation"]}}
        self.session = f"{base}/session/" + \
            self._request("POST", f"{base}/session",
                          {"capabilities": {"alwaysMatch": caps}})["sessionId"]
        self.send("POST", "timeouts", {"script": 60000, "pageLoad": 60000})

    def _request(self, method, url, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(url, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(request, timeout=120) as reply:
                return json.load(reply)["value"]
        except urllib.error.HTTPError as e:
            value = json.load(e).get("value", {})
            raise ProtocolError(f"{method} {url.removeprefix(self.base)}: "
                                f"{value.get('error')}: {value.get('message')}") from None

    def send(self, method, path, body=None):
        return self._request(method, f"{self.session}/{path}" if path else self.session, body)

    def close(self):
        with contextlib.suppress(ProtocolError, OSError):
            self.send("DELETE", "")

    def evaluate(self, expression):
        """The expression's value (a promise's once it settles), carried as JSON."""
        script = ("const done = arguments[arguments.length - 1];"
                  f"Promise.resolve().then(() => ({expression})).then("
                  "(v) => done({value: JSON.stringify(v === undefined ? null : v)}),"
                  "(e) => done({error: String(e && e.stack || e)}));")
        result = self.send("POST", "execute/async", {"script": script, "args": []})
        if "error" in result:
            raise ProtocolError(f"page script failed: {result['error']}")
        return json.loads(result["value"])

    def wait_for(self, expression, timeout=30.0, poll=0.02):
        deadline = time.monotonic() + timeout
        while True:
            value = self.evaluate(expression)
            if value:
                return value
            if time.monotonic() > deadline:
                raise TimeoutError(f"still false after {timeout} s: {expression}")
            time.sleep(poll)

    def navigate(self, url):
        self.send("POST", "url", {"url": url})

    def reload(self):
        self.send("POST", "refresh", {})

    def set_viewport(self, width, height):
        """Sizes the window so that its inside is width x height CSS pixels, or as near as
        MiniBrowser lets it be; returns the inside's size."""
        inner = [0, 0]
        for _ in range(3):
            outer = self.send("GET", "window/rect")
            inner = self.evaluate("[innerWidth, innerHeight]")
            if inner == [width, height]:
                break
            self.send("POST", "window/rect", {
                "width": outer["width"] + width - inner[0],
                "height": outer["height"] + height - inner[1]})
            # The page sees its new size a frame later.
            time.sleep(0.2)
        return self.evaluate("[innerWidth, innerHeight]")

    def screenshot_png(self):
        return base64.b64decode(self.send("GET", "screenshot"))

    def _actions(self, *sources):
        self.send("POST", "actions", {"actions": list(sources)})

    def _mouse(self, *actions):
        self._actions({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
                       "actions": list(actions)})

    # The mouse, at CSS pixel positions of the viewport.
    def mouse_down(self, x, y, button=0):
        self._mouse({"type": "pointerMove", "x": round(x), "y": round(y)},
                    {"type": "pointerDown", "button": button})

    def mouse_move(self, x, y):
        self._mouse({"type": "pointerMove", "x": round(x), "y": round(y)})

    def mouse_up(self, button=0):
        self._mouse({"type": "pointerUp", "button": button})

    def click(self, x, y, button="left"):
        number = {"left": 0, "right": 2}[button]
        self._mouse({"type": "pointerMove", "x": round(x), "y": round(y)},
                    {"type": "pointerDown", "button": number},
                    {"type": "pointerUp", "button": number})

    def key(self, name, shift=False):
        value = KEYS.get(name, name)
        down = [{"type": "keyDown", "value": KEYS["Shift"]}] if shift else []
        up = [{"type": "keyUp", "value": KEYS["Shift"]}] if shift else []
        self._actions({"type": "key", "id": "keyboard", "actions": [
            *down, {"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}, *up]})


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


@contextlib.contextmanager
def webkit(width=647, height=455, ratio=1):
    """MiniBrowser on a private Xvfb whose inside is width x height CSS pixels (no narrower
    than NARROWEST) at a device pixel ratio of `ratio` (a whole number); yields its Page."""
    with tempfile.TemporaryDirectory(prefix="quorvel-webkit-",
                                     ignore_cleanup_errors=True) as runtime:
        os.chmod(runtime, 0o700)
        # Room for the window and its tool bar at the device pixels.
        screen = f"{(max(width, NARROWEST) + 64) * ratio}x{(height + 128) * ratio}x24"
        with x_server(os.path.join(runtime, "xvfb.log"), screen) as display:
            env = x_client_env(display, runtime)
            env.update(GDK_SCALE=str(ratio), GDK_BACKEND="x11", HOME=runtime,
                       XDG_CACHE_HOME=os.path.join(runtime, "cache"),
                       XDG_DATA_HOME=os.path.join(runtime, "data"))
            port = free_port()
            process = subprocess.Popen([DRIVER, f"--port={port}"], env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            page = None
            try:
                base = f"http://127.0.0.1:{port}"
                deadline = time.monotonic() + 30
                while True:
                    try:
                        urllib.request.urlopen(f"{base}/status", timeout=2).close()
                        break
                    except OSError:
                        if process.poll() is not None or time.monotonic() > deadline:
                            raise ProtocolError(f"{DRIVER} did not start") from None
                        time.sleep(0.05)
                page = Page(base)
                page.navigate("about:blank")
                page.set_viewport(width, height)
                yield page
            finally:
                if page is not None:
                    page.close()
                processes.stop(process)
