"""The page opened for a test, in either browser: started, its fonts loaded, every event
it raises recorded with its time and every context menu event it gets counted; what its
screen shows of each plot; and its captions against the replay's state."""

import os
import tempfile

from quorvel_drive.failure import Failure
from quorvel_drive.images import keep, read_png
from window_page import WindowPage


def open_page(page, url):
    page.navigate(url)
    page.wait_for("globalThis.quorvel && quorvel.painted")
    page.wait_for("document.fonts.status === 'loaded'")
    page.evaluate("""(() => {
        quorvel.raised = [];
        const raise = quorvel.core.raise;
        quorvel.core.raise = (h) => {
          quorvel.raised.push([h, performance.now()]);
          return raise(h);
        };
        quorvel.menus = 0;
        document.addEventListener('contextmenu', () => { quorvel.menus += 1; }, true);
    })()""")
    return WindowPage(page)


def screen_shows_canvases(wp, out_dir):
    """What the screen shows of each surface is what its canvas holds: no scaling, no
    smoothing (what lies over the surfaces left out)."""
    with tempfile.NamedTemporaryFile(suffix=".png") as f:
        f.write(wp.page.screenshot_png())
        f.flush()
        screen = read_png(f.name)
    ratio = screen.width / wp.page.evaluate("document.documentElement.clientWidth")
    scale = wp.scale() * ratio
    for s in wp.surfaces():
        drawn = wp.canvas_image(s.name)
        x, y = wp.at(s.x, s.y)
        shown = screen.crop(round(x * ratio), round(y * ratio), drawn.width, drawn.height)
        over = [(round(x * scale), round(y * scale), round(w * scale), round(h * scale))
                for x, y, w, h in wp.covering(s.name)]
        if shown.masked(over) != drawn.masked(over):
            keep(os.path.join(out_dir, s.name), screen=shown.masked(over),
                 canvas=drawn.masked(over))
            raise Failure(f"the screen does not show {s.name}'s canvas pixel for pixel")
    print(f"  the screen shows every canvas pixel for pixel (device pixel ratio {ratio:g})")


def caption_problems(wp, state):
    """Every caption and answer visibility the replay reports, read from the page."""
    problems = []
    expected = {name: state[name] for name in ("value_lebel", "value_n", "value_k", "value_s",
                                               "y_axis")}
    for array in ("value_a", "value_b", "ans_a", "ans_b"):
        for i, caption in enumerate(state[array]):
            expected[f"{array}({i})"] = caption
    for name, caption in expected.items():
        if wp.caption(name) != caption:
            problems.append(f"{name} reads {wp.caption(name)!r}, the replay {caption!r}")
    for array in ("ans_a", "ans_b"):
        for i, visible in enumerate(state[f"{array}_visible"]):
            if wp.shown(f"{array}({i})") != visible:
                problems.append(f"{array}({i}) shown: page {not visible}, replay {visible}")
    if wp.page.evaluate("document.getElementById('c-switch_c').getAttribute('aria-checked')") \
            != ("true" if state["switch_c"] else "false"):
        problems.append("switch_c differs")
    return problems
