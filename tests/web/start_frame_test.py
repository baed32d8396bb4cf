#!/usr/bin/env python3
"""The window's first frame, before the WebAssembly: in headless Chromium with the module's
request held back (the DevTools Fetch domain), the page is read once it has painted what it
can without the core, then the module is let through and the page read again once the
core has drawn. On the start example at a device pixel ratio the build drew (1 and 2), the
plots show at once and the core draws the very same pixels over them, and the screenshot
does not change. Opened on anything else (an exercise in the address, a state kept for
the tab, high contrast) the window stays hidden until the core has drawn; at a ratio the
build did not draw, the window shows with blank plots.

  start_frame_test.py --site build/web-probe

Exit status: 0 passed, 1 failed, 77 skipped (Chromium or python3-websocket missing).
"""

import argparse
import os
import sys
import tempfile
import time
from dataclasses import dataclass

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402


@dataclass
class Case:
    name: str
    width: int = 647
    height: int = 455
    ratio: float = 1.0
    fragment: str = ""
    before_load: str = ""  # a script run in the page before its own
    high_contrast: bool = False
    # What shows before the core: "start" (the start plots), "blank" (the window with
    # blank plots) or "hidden" (no window).
    early: str = "start"


CASES = [
    Case("start at ratio 1"),
    Case("start at ratio 2", ratio=2.0),
    # 800 x 600 scales the window by 1.24: plots the build did not draw.
    Case("start at another scale", width=800, height=600, early="blank"),
    Case("an exercise in the address", fragment="#exercise=QQQQ-QQQQ", early="hidden"),
    Case("a work link in the address", fragment="#work=QQQQ", early="hidden"),
    Case("a state kept for the tab", before_load="sessionStorage.setItem('quorvel-test', '1')",
         early="hidden"),
    Case("high contrast", high_contrast=True, early="hidden"),
]

# Each canvas of the window as [width, height, opaque pixels, a digest of its pixels],
# after the next frame has been presented.
CANVASES = """new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(() => {
  done([...document.querySelectorAll("#window canvas")].map((canvas) => {
    if (canvas.width === 0 || canvas.height === 0) return [canvas.width, canvas.height, 0, 0];
    const data = canvas.getContext("2d").getImageData(0, 0, canvas.width, canvas.height).data;
    let opaque = 0;
    let digest = 2166136261;
    for (let i = 0; i < data.length; i += 1) {
      digest = Math.imul(digest ^ data[i], 16777619) >>> 0;
      if (i % 4 === 3 && data[i] !== 0) opaque += 1;
    }
    return [canvas.width, canvas.height, opaque, digest];
  }));
})))"""
# What shows before the core: the window built, its fonts in, and the start plots painted
# when the page paints them at all.
BUILT = ("document.querySelector('#window canvas') !== null && "
         "document.fonts.status === 'loaded'")
HIDDEN = "getComputedStyle(document.getElementById('window')).visibility === 'hidden'"
CORE_DRAWN = "globalThis.quorvel?.painted === true"


def release_held(page, released):
    """Lets every held request of the module through."""
    for event in page.events:
        if event.get("method") != "Fetch.requestPaused":
            continue
        ident = event["params"]["requestId"]
        if ident not in released:
            released.add(ident)
            page.send("Fetch.continueRequest", requestId=ident)


def check(url, case, out):
    problems = []
    with cdp.chromium(case.width, case.height, case.ratio) as page:
        page.send("Page.enable")
        if case.high_contrast:
            page.send("Emulation.setEmulatedMedia",
                      features=[{"name": "prefers-contrast", "value": "more"}])
        if case.before_load:
            page.send("Page.addScriptToEvaluateOnNewDocument", source=case.before_load)
        page.send("Fetch.enable", patterns=[{"urlPattern": "*.wasm", "requestStage": "Request"}])
        page.send("Page.navigate", url=url + case.fragment)
        page.wait_for(BUILT, timeout=30)
        painted = page.evaluate("performance.getEntriesByName('plots-painted').length > 0")
        early = page.evaluate(CANVASES)
        early_shot = page.screenshot_png()
        hidden = page.evaluate(HIDDEN)
        if page.evaluate(CORE_DRAWN):
            raise Failure(f"{case.name}: the core drew with its module held back")
        # The module let through; the core then draws within the timeout.
        released = set()
        deadline = time.monotonic() + 60
        while not page.evaluate(CORE_DRAWN):
            release_held(page, released)
            if time.monotonic() > deadline:
                raise Failure(f"{case.name}: the core never drew once its module was let through")
        late = page.evaluate(CANVASES)
        late_shot = page.screenshot_png()

    if case.early == "start":
        if not painted:
            problems.append("no plots-painted mark before the core")
        if early != late:
            changed = [i for i, (a, b) in enumerate(zip(early, late)) if a != b]
            problems.append(f"canvases {changed} differ from the core's: early "
                            f"{[early[i] for i in changed[:3]]}, core "
                            f"{[late[i] for i in changed[:3]]}")
        if early_shot != late_shot:
            stem = os.path.join(out, case.name.replace(" ", "-"))
            for name, shot in (("early", early_shot), ("core", late_shot)):
                with open(f"{stem}-{name}.png", "wb") as f:
                    f.write(shot)
            problems.append(f"the screenshot changed when the core took over ({stem}-*.png)")
    else:
        if painted:
            problems.append("plots-painted marked before the core")
        drawn = [i for i, canvas in enumerate(early) if canvas[2] != 0]
        if drawn:
            problems.append(f"canvases {drawn} drawn before the core")
        if hidden != (case.early == "hidden"):
            problems.append(f"the window {'hidden' if hidden else 'shown'} before the core")
    if not any(canvas[2] for canvas in late):
        problems.append("the core drew no plot")
    if not problems:
        print(f"  {case.name}: {case.early} before the core, {len(late)} canvases")
    return [f"{case.name}: {p}" for p in problems]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--out", help="where a failure's screenshots go")
    args = parser.parse_args()
    print("start frame")
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    missing = cdp.chromium_missing()
    if missing:
        raise Skipped(missing)
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    out = args.out or tempfile.mkdtemp(prefix="quorvel-start-frame-")
    os.makedirs(out, exist_ok=True)
    problems = []
    with servers.preview(args.site) as served:
        for case in CASES:
            problems += check(served.url, case, out)
    if problems:
        raise Failure("\n".join(problems))


if __name__ == "__main__":
    sys.exit(main())
