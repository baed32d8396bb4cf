"""Headless Firefox driven over WebDriver BiDi, its built-in remote protocol, with the same
page methods as cdp.Page where the device tests need them (evaluate, wait_for, navigate,
screenshot_png) and a touch screen's taps and holds.

Firefox runs with a fresh profile on a free port and, like Chromium in cdp.py, without any
traffic of its own. Its handshake refuses a request that carries an Origin header, so the
connection sends none.
"""

import base64
import contextlib
import json
import shutil
import subprocess
import tempfile

from quorvel_drive import cdp, processes
from quorvel_drive.cdp import ProtocolError

# Quiet: no updates, telemetry, studies or first-run pages, nothing fetched from outside.
PREFERENCES = {
    "app.update.disabledForTesting": True,
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.startup.page": 0,
    "datareporting.policy.dataSubmissionEnabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "app.normandy.enabled": False,
    "extensions.update.enabled": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "browser.newtabpage.enabled": False,
    "remote.prefs.recommended": True,
}
# A touch screen: its only pointer is coarse and cannot hover, as on a phone.
TOUCH_PREFERENCES = {
    "ui.primaryPointerCapabilities": 1,
    "ui.allPointerCapabilities": 1,
    "dom.w3c_touch_events.enabled": 1,
}


def firefox_path():
    return shutil.which("firefox-esr") or shutil.which("firefox")


def firefox_missing():
    """Why Firefox cannot be driven here, or None."""
    if firefox_path() is None:
        return "Firefox ESR is not installed (scripts/setup.sh installs it)"
    return cdp.websocket_missing()


class Page:
    """The one tab of a BiDi session."""

    def __init__(self, ws_url):
        import websocket
        self.ws = websocket.create_connection(ws_url, timeout=60, suppress_origin=True)
        self.next_id = 0
        self.send("session.new", capabilities={"alwaysMatch": {"acceptInsecureCerts": True}})
        tree = self.send("browsingContext.getTree")
        self.context = tree["contexts"][0]["context"]

    def close(self):
        with contextlib.suppress(Exception):
            self.send("session.end")
        self.ws.close()

    def send(self, method, **params):
        self.next_id += 1
        ident = self.next_id
        self.ws.send(json.dumps({"id": ident, "method": method, "params": params}))
        while True:
            message = json.loads(self.ws.recv())
            if message.get("id") != ident:
                continue
            if message.get("type") == "error":
                raise ProtocolError(f"{method}: {message.get('error')}: {message.get('message')}")
            return message.get("result", {})

    def evaluate(self, expression, await_promise=True):
        """The expression's value, carried as JSON (undefined as None)."""
        wrapped = (f"Promise.resolve(({expression})).then(v => JSON.stringify(v === undefined"
                   " ? null : v))")
        result = self.send("script.evaluate", expression=wrapped, awaitPromise=True,
                           target={"context": self.context}, resultOwnership="none")
        if result.get("type") == "exception":
            details = result.get("exceptionDetails", {})
            raise ProtocolError(f"page script failed: {details.get('text')}")
        return json.loads(result["result"]["value"])

    def wait_for(self, expression, timeout=30.0, poll=0.02):
        return cdp.poll_page(self, expression, timeout, poll)

    def navigate(self, url):
        self.send("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def set_device(self, width, height, ratio):
        self.send("browsingContext.setViewport", context=self.context,
                  viewport={"width": width, "height": height}, devicePixelRatio=ratio)

    def screenshot_png(self):
        data = self.send("browsingContext.captureScreenshot", context=self.context)["data"]
        return base64.b64decode(data)

    # A finger, at CSS pixel positions of the viewport.
    def _finger(self, *actions):
        self.send("input.performActions", context=self.context, actions=[{
            "type": "pointer", "id": "finger", "parameters": {"pointerType": "touch"},
            "actions": list(actions)}])

    def touch_down(self, x, y):
        self._finger({"type": "pointerMove", "x": round(x), "y": round(y)},
                     {"type": "pointerDown", "button": 0})

    def touch_up(self):
        self._finger({"type": "pointerUp", "button": 0})

    def touch_move(self, x, y):
        self._finger({"type": "pointerMove", "x": round(x), "y": round(y)})

    def tap(self, x, y):
        self._finger({"type": "pointerMove", "x": round(x), "y": round(y)},
                     {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0})

    def click(self, x, y, button="left"):
        number = {"left": 0, "right": 2}[button]
        self.send("input.performActions", context=self.context, actions=[{
            "type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"},
            "actions": [{"type": "pointerMove", "x": round(x), "y": round(y)},
                        {"type": "pointerDown", "button": number},
                        {"type": "pointerUp", "button": number}]}])

    def key(self, value):
        self.send("input.performActions", context=self.context, actions=[{
            "type": "key", "id": "keyboard",
            "actions": [{"type": "keyDown", "value": value}, {"type": "keyUp", "value": value}]}])


@contextlib.contextmanager
def firefox(touch=False):
    """A headless Firefox with a fresh profile; yields the Page of its one tab."""
    with tempfile.TemporaryDirectory(prefix="quorvel-firefox-",
                                     ignore_cleanup_errors=True) as profile:
        prefs = {**PREFERENCES, **(TOUCH_PREFERENCES if touch else {})}
        with open(f"{profile}/user.js", "w", encoding="utf-8") as f:
            for name, value in prefs.items():
                f.write(f"user_pref({json.dumps(name)}, {json.dumps(value)});\n")
        process = subprocess.Popen(
            [firefox_path(), "--headless", "--remote-debugging-port=0", "--no-remote",
             "--profile", profile, "about:blank"],
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        page = None
        try:
            page = Page(_bidi_endpoint(process) + "/session")
            yield page
        finally:
            if page is not None:
                page.close()
            processes.stop(process)


def _bidi_endpoint(process, timeout=60.0):
    return cdp.endpoint_in_stderr(process, r"WebDriver BiDi listening on (ws://[\d.:]+)",
                                  "Firefox", "its BiDi endpoint", timeout)
