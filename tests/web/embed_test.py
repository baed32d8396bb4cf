#!/usr/bin/env python3
"""The page embedded in a course page's <iframe allowfullscreen>, in headless Chromium,
the course page and the site on two ports, so two origins, as on a real course site: the
window fits the frame, the keyboard reaches it from the course page and works it, a tap
works it, and its service worker keeps to the site, leaving the course page alone.

  embed_test.py --site build/web

Exit status: 0 passed, 1 failed, 77 skipped (no Chromium or python3-websocket).
"""

import argparse
import contextlib
import functools
import http.server
import os
import sys
import threading
import urllib.parse
from pathlib import Path

sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402

from browser_test import press  # noqa: E402
from offline_test import STARTED  # noqa: E402

FIXTURES = Path(__file__).resolve().parent / "fixtures"
FRAME = (560, 400)  # the course page's <iframe>, smaller than the window's own size
VALUE_S = "document.querySelector('[data-name=\"value_s\"]').textContent"


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, format, *args):  # noqa: A002 - the base class's name
        pass


@contextlib.contextmanager
def course_site():
    """A plain host for the course page, with no policy of its own."""
    handler = functools.partial(QuietHandler, directory=str(FIXTURES))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    try:
        yield f"http://127.0.0.1:{server.server_address[1]}/"
    finally:
        server.shutdown()
        server.server_close()


class Frame:
    """The embedded page: expressions evaluated in its own document."""

    def __init__(self, page, site_url):
        self.page = page
        created = [e for e in page.events if e["method"] == "Runtime.executionContextCreated"]
        self.context = None
        for event in created:
            context = event["params"]["context"]
            if context.get("origin") == site_url.rstrip("/") and \
                    context.get("auxData", {}).get("isDefault"):
                self.context = context["id"]
        if self.context is None:
            raise Failure("the embedded page has no script context")

    def evaluate(self, expression):
        result = self.page.send("Runtime.evaluate", expression=expression, contextId=self.context,
                                returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise cdp.ProtocolError(f"frame script failed: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, timeout=30.0, poll=0.02):
        return cdp.poll_page(self, expression, timeout, poll)


def embedded(args):
    problems = []
    with servers.preview(args.site) as site, course_site() as course, \
            cdp.chromium(1024, 700) as page:
        # A touch screen with a keyboard, as a tablet in a class.
        page.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)
        page.navigate(course + "course_page.html?site=" + urllib.parse.quote(site.url))
        page.wait_for("document.readyState === 'complete'", timeout=30)
        frame_box = page.evaluate("(() => { const r = document.getElementById('quorvel')"
                                  ".getBoundingClientRect(); return [r.x, r.y]; })()")
        frame = None
        for _ in range(300):
            try:
                frame = Frame(page, site.url)
                break
            except Failure:
                page.evaluate("new Promise((r) => setTimeout(r, 50))")
        if frame is None:
            raise Failure("the embedded page never started a script")
        frame.wait_for(STARTED, timeout=60)

        # The window within the frame, scaled down to fit it.
        fit = frame.evaluate("""(() => { const r = document.getElementById('window')
            .getBoundingClientRect(); return [innerWidth, innerHeight, r.left, r.top, r.right,
            r.bottom, document.fullscreenEnabled]; })()""")
        width, height, left, top, right, bottom, fullscreen = fit
        if [width, height] != list(FRAME):
            problems.append(f"the frame's viewport is {width}x{height}")
        if left < 0 or top < 0 or right > width + 0.5 or bottom > height + 0.5:
            problems.append(f"the window ({left}, {top})-({right}, {bottom}) leaves the frame")
        if not fullscreen:
            problems.append("the frame may not go full screen")

        # The keyboard: from the course page's button, Tab goes into the frame and on to
        # CALC, and Space clicks it.
        page.evaluate("document.getElementById('before').focus()")
        for _ in range(40):
            press(page, "Tab")
            if frame.evaluate("document.hasFocus() && document.activeElement.id") == "c-Command3":
                break
        else:
            raise Failure("Tab never reached CALC in the frame")
        press(page, "Space")
        frame.wait_for(f"{VALUE_S} === '7.9999'", timeout=5)

        # A finger: a tap on ANS shows the answers.
        x, y = frame.evaluate("""(() => { const r = document.getElementById('c-Command4')
            .getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]; })()""")
        page.send("Input.dispatchTouchEvent", type="touchStart",
                  touchPoints=[{"x": frame_box[0] + x, "y": frame_box[1] + y}])
        page.send("Input.dispatchTouchEvent", type="touchEnd", touchPoints=[])
        frame.wait_for("!document.querySelector('[data-name=\"ans_a(0)\"]').hidden", timeout=5)

        # The service worker: the site's, in the frame; the course page has none.
        scope = frame.wait_for("navigator.serviceWorker.ready.then((r) => r.scope)", timeout=30)
        if scope != site.url:
            problems.append(f"the frame's worker has the scope {scope}, not {site.url}")
        host = page.evaluate("navigator.serviceWorker.getRegistrations().then((r) => "
                             "[navigator.serviceWorker.controller === null, r.length])")
        if host != [True, 0]:
            problems.append(f"the course page's worker: no controller, registrations: {host}")
        if frame.evaluate("document.getElementById('fault').open"):
            problems.append("the frame shows a fault")
    if problems:
        raise Failure("; ".join(problems))
    print(f"  a {FRAME[0]}x{FRAME[1]} frame on another origin: the window fits it, Tab and "
          f"Space run CALC, a tap runs ANS, the worker's scope is the site's")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", required=True)
    args = parser.parse_args()
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    if cdp.chromium_missing():
        raise Skipped(cdp.chromium_missing())
    if not os.path.exists(os.path.join(args.site, "index.html")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    embedded(args)


if __name__ == "__main__":
    sys.exit(main())
