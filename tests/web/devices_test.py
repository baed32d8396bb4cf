#!/usr/bin/env python3
"""The web page on the screens students and teachers use, in headless Chromium (over the
DevTools protocol, each device emulated with its touch input) and in headless Firefox (over
WebDriver BiDi). On each device: the share of the screen the window uses, no sideways
scroll, the surfaces drawn at the device pixels they cover, and every push button, option
button and spin arrow's tap area measured by hit testing; on the touch screens one
exercise worked by taps, checked against quorvel-replay, a held arrow that repeats with no
menu, a long press elsewhere that opens the window's menu, and (the phone) a turn on its
side and back with the state kept. At 1294 x 910 CSS pixels, a scale of 2, every plot
equals the desktop's window started with QT_SCALE_FACTOR=2.

  devices_test.py --engine chromium|firefox --site build/web --replay quorvel-replay
                  --zoom-reference quorvel-zoom-reference --out DIR SCENARIO
  devices_test.py --list chromium|firefox

Exit status: 0 passed, 1 failed, 77 skipped (the browser or python3-websocket missing).
"""

import argparse
import os
import subprocess
import sys
import tempfile
from dataclasses import dataclass

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import bidi, cdp, servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.images import differing_pixels, keep, read_png  # noqa: E402
from quorvel_drive.replay import run_replay  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402
from quorvel_drive.steps import UP, Click, Spin  # noqa: E402

from opened_page import caption_problems, open_page, screen_shows_canvases  # noqa: E402
from window_page import CANVAS_COVERS, WindowPage, places  # noqa: E402

TAP = 24  # CSS pixels each way, as WCAG 2.2 asks (2.5.8)
# Hit testing finds an edge to within this, in CSS pixels.
EDGE = 0.05


@dataclass
class Device:
    width: int
    height: int
    ratio: float
    touch: bool
    # The share of the screen the window must use: of the width ("width"), or of the
    # width or the height, whichever it fills ("either").
    fills: str = "either"


DEVICES = {
    "phone": Device(390, 844, 3, True, fills="width"),
    "phone_on_its_side": Device(844, 390, 3, True),
    "tablet": Device(1024, 768, 2, True),
    "laptop": Device(1280, 800, 1, False),
    "projector": Device(1920, 1080, 1, False),
}
SCALE_2 = Device(1294, 910, 1, False)
ENGINES = {
    "chromium": ["phone", "phone_on_its_side", "tablet", "laptop", "projector", "scale_2"],
    "firefox": ["phone", "laptop", "scale_2"],
}
# The road clicked on the page before the comparison at scale 2.
ROAD = [Spin("Spin_a0", UP, 2), Spin("Spin_a1", UP), Spin("Spin_b1", UP, 2), Spin("Spin_n", UP),
        Click("Command3"), Click("switch_s"), Click("Command3"), Click("Command4"),
        Spin("Spin_a3", UP), Spin("Spin_b4", UP)]


# ----------------------------------------------------------------------------------------
# The browsers, behind one face: a page with evaluate / wait_for / navigate /
# screenshot_png, and a finger.

class ChromiumScreen:
    def __init__(self, page, device):
        self.page = page
        page.send("Emulation.setDeviceMetricsOverride", width=device.width,
                  height=device.height, deviceScaleFactor=device.ratio, mobile=device.touch)
        if device.touch:
            page.send("Emulation.setTouchEmulationEnabled", enabled=True, maxTouchPoints=5)

    def turn(self, device):
        self.page.send("Emulation.setDeviceMetricsOverride", width=device.width,
                       height=device.height, deviceScaleFactor=device.ratio,
                       mobile=device.touch)

    def _touch(self, kind, x=None, y=None):
        points = [] if kind == "touchEnd" else [{"x": x, "y": y}]
        self.page.send("Input.dispatchTouchEvent", type=kind, touchPoints=points)

    def touch_down(self, x, y):
        self._touch("touchStart", x, y)

    def touch_up(self):
        self._touch("touchEnd")

    def touch_move(self, x, y):
        self._touch("touchMove", x, y)

    def tap(self, x, y):
        self.touch_down(x, y)
        self.touch_up()

    def escape(self):
        params = {"key": "Escape", "code": "Escape", "windowsVirtualKeyCode": 27}
        self.page.send("Input.dispatchKeyEvent", type="rawKeyDown", **params)
        self.page.send("Input.dispatchKeyEvent", type="keyUp", **params)


class FirefoxScreen:
    def __init__(self, page, device):
        self.page = page
        page.set_device(device.width, device.height, device.ratio)

    def turn(self, device):
        self.page.set_device(device.width, device.height, device.ratio)

    def touch_down(self, x, y):
        self.page.touch_down(x, y)

    def touch_up(self):
        self.page.touch_up()

    def touch_move(self, x, y):
        self.page.touch_move(x, y)

    def tap(self, x, y):
        self.page.tap(x, y)

    def escape(self):
        self.page.key("\ue00c")


def browser(engine, device):
    if engine == "chromium":
        return cdp.chromium(device.width, device.height, device.ratio), ChromiumScreen
    return bidi.firefox(touch=device.touch), FirefoxScreen


# ----------------------------------------------------------------------------------------
# What the screen shows.

FIT = """(() => {
    const r = document.getElementById('window').getBoundingClientRect();
    const html = document.documentElement;
    scrollTo(html.scrollWidth, scrollY);
    const sideways = scrollX;
    scrollTo(0, scrollY);
    return {left: r.left + scrollX, top: r.top + scrollY, width: r.width, height: r.height,
            viewport: [html.clientWidth, innerHeight], scrollWidth: html.scrollWidth,
            sideways, ratio: devicePixelRatio};
})()"""


def check_fit(page, device, name):
    fit = page.evaluate(FIT)
    across, down = fit["viewport"]
    share_w, share_h = fit["width"] / across, fit["height"] / down
    problems = []
    if fit["sideways"] or fit["scrollWidth"] > across:
        problems.append(f"the page scrolls sideways ({fit['scrollWidth']} CSS pixels wide)")
    if fit["left"] < -EDGE or fit["left"] + fit["width"] > across + EDGE:
        problems.append(f"the window spans {fit['left']:.1f} … "
                        f"{fit['left'] + fit['width']:.1f} of {across}")
    share = share_w if device.fills == "width" else max(share_w, min(share_h, 1.0))
    if share < 0.9:
        problems.append(f"the window uses {share:.0%} of the screen")
    problems += page.evaluate(CANVAS_COVERS)
    if problems:
        raise Failure(f"{name}: " + "; ".join(problems))
    print(f"  {name} ({device.width}x{device.height} at {device.ratio:g}): the window "
          f"{fit['width']:.0f}x{fit['height']:.0f} CSS pixels, {share_w:.0%} of the width and "
          f"{share_h:.0%} of the height, no sideways scroll, every canvas at its device "
          f"pixels")
    return fit


def check_frames(page, wp, name):
    """However the page arranges the frames, each shows at its own size times the scale,
    and two frames overlap on the screen only where they do in the window's own layout
    (their shared edges)."""
    shown = page.evaluate("""[...document.querySelectorAll('#window > .frame')]
        .filter(e => !e.hidden).map(e => { const r = e.getBoundingClientRect();
          return [e.dataset.name, r.left, r.top, r.width, r.height]; })""")
    scale = wp.scale()
    seed = places(wp.rows)
    problems = []
    for frame, _, _, w, h in shown:
        if abs(w - seed[frame].w * scale) > EDGE or abs(h - seed[frame].h * scale) > EDGE:
            problems.append(f"{frame} shows {w:.2f}x{h:.2f}, not its size times {scale:.4f}")

    def meet(a, b):
        return a[0] < b[0] + b[2] and b[0] < a[0] + a[2] and a[1] < b[1] + b[3] and \
            b[1] < a[1] + a[3]
    for i, (a, *ra) in enumerate(shown):
        for b, *rb in shown[i + 1:]:
            sa, sb = seed[a], seed[b]
            if meet(ra, rb) and not meet((sa.x, sa.y, sa.w, sa.h), (sb.x, sb.y, sb.w, sb.h)):
                problems.append(f"{a} and {b} overlap")
    if problems:
        raise Failure(f"{name}: " + "; ".join(problems))
    print(f"  {name}: {len(shown)} frames, each at its size times {scale:.4f}, overlapping "
          "only at the edges they share in the window's own layout")


# Each control's tap area, found by hit testing alone: from the middle of what is drawn
# (of each arrow, for a spin button) outwards until a point no longer reaches the control,
# each edge pinned down by halving; then every point of a grid over the area (one CSS
# pixel apart, to half a pixel from its edges) must reach it. Also whether the middle of
# each drawn box reaches its own control, not a neighbour. Sizes in CSS pixels; offsets
# from the drawn box, so that a tap can find the area again after a scroll.
MEASURE = """(() => {
  const EDGE = %(edge)s;
  const out = [];
  for (const e of document.querySelectorAll('#window .push, #window .option, #window .spin')) {
    if (!e.getClientRects().length) continue;
    e.scrollIntoView({block: 'center', inline: 'nearest'});
    const hits = (x, y) => {
      const t = document.elementFromPoint(x, y);
      return t !== null && t.closest('[data-name]') === e;
    };
    const edge = (x, y, dx, dy) => {
      let inside = 0, step = 1;
      while (hits(x + dx * (inside + step), y + dy * (inside + step)) && inside < 2000) {
        inside += step;
      }
      let outside = inside + step;
      while (outside - inside > EDGE) {
        const mid = (inside + outside) / 2;
        if (hits(x + dx * mid, y + dy * mid)) inside = mid; else outside = mid;
      }
      return inside;
    };
    const r = e.getBoundingClientRect();
    const spin = e.getAttribute('role') === 'spinbutton';
    const cx = r.left + r.width / 2;
    let top, bottom, split = null, mids;
    if (spin) {
      split = e.querySelector('.down').getBoundingClientRect().top;
      const up = (r.top + split) / 2, down = (split + r.bottom) / 2;
      mids = [[cx, up], [cx, down]];
      top = up - edge(cx, up, 0, -1);
      bottom = down + edge(cx, down, 0, 1);
    } else {
      const cy = r.top + r.height / 2;
      mids = [[cx, cy]];
      top = cy - edge(cx, cy, 0, -1);
      bottom = cy + edge(cx, cy, 0, 1);
    }
    let left = -Infinity, right = Infinity;
    for (const [x, y] of mids) {
      left = Math.max(left, x - edge(x, y, -1, 0));
      right = Math.min(right, x + edge(x, y, 1, 0));
    }
    // Where a neighbour's area takes a corner, the edges found through the middle are
    // not those of every row: the rectangle is narrowed row by row, then column by
    // column, to the part that reaches the control all through.
    const rowsAt = (a, b) => {
      const v = [];
      for (let t = a + 0.5; t < b - 0.5; t += 1) v.push(t);
      v.push(b - 0.5);
      return v;
    };
    for (const y of rowsAt(top, bottom)) {
      const x = Math.min(Math.max(cx, left + 0.5), right - 0.5);
      if (!hits(x, y)) continue;
      left = Math.max(left, x - edge(x, y, -1, 0));
      right = Math.min(right, x + edge(x, y, 1, 0));
    }
    for (const x of rowsAt(left, right)) {
      for (const [, y] of mids) {
        if (!hits(x, y)) continue;
        if (!spin || y < split) top = Math.max(top, y - edge(x, y, 0, -1));
        if (!spin || y > split) bottom = Math.min(bottom, y + edge(x, y, 0, 1));
      }
    }
    const own = mids.every(([x, y]) => hits(x, y));
    let holes = 0;
    // Edges land on fractions of a pixel at most scales; the grid keeps half a pixel in.
    const inset = 0.5;
    const xs = [], ys = [];
    for (let x = left + inset; x < right - inset; x += 1) xs.push(x);
    xs.push(right - inset);
    for (let y = top + inset; y < bottom - inset; y += 1) ys.push(y);
    ys.push(bottom - inset);
    for (const x of xs) for (const y of ys) if (!hits(x, y)) holes += 1;
    out.push({name: e.dataset.name, spin, own, holes,
              w: right - left, h: bottom - top,
              up: spin ? split - top : null, down: spin ? bottom - split : null,
              dx: left - r.left, dy: top - r.top, split: spin ? split - r.top : null});
  }
  scrollTo(0, 0);
  return out;
})()"""


def measure_taps(page, wp, name):
    areas = page.evaluate(MEASURE % {"edge": EDGE})
    problems = []
    controls = sorted(p.name for p in wp.places.values() if p.shown and p.kind in (
        "push_button", "option_button", "spin_button"))
    if sorted(a["name"] for a in areas) != controls:
        raise Failure(f"{name}: measured {sorted(a['name'] for a in areas)}, the window "
                      f"shows {controls}")
    for a in areas:
        if not a["own"]:
            problems.append(f"{a['name']}: the middle of what is drawn reaches another control")
        if a["holes"]:
            problems.append(f"{a['name']}: {a['holes']} points of its area reach another")
        tall = min(a["up"], a["down"]) if a["spin"] else a["h"]
        if a["w"] < TAP - EDGE or tall < TAP - EDGE:
            what = f"{a['w']:.2f} x {a['up']:.2f} + {a['down']:.2f}" if a["spin"] else \
                f"{a['w']:.2f} x {a['h']:.2f}"
            problems.append(f"{a['name']} takes taps in {what} CSS pixels")
    if problems:
        raise Failure(f"{name}: " + "; ".join(problems))
    by = {a["name"]: a for a in areas}
    narrowest = min(areas, key=lambda a: a["w"])
    lowest = min(areas, key=lambda a: min(a["up"], a["down"]) if a["spin"] else a["h"])
    spins = [a for a in areas if a["spin"]]
    smallest_spin = min(spins, key=lambda a: min(a["w"], a["h"] / 2))
    print(f"  {len(areas)} controls measured by hit testing, each whole: the narrowest "
          f"{narrowest['name']} {narrowest['w']:.1f} CSS pixels, the lowest {lowest['name']} "
          f"{min(lowest['up'], lowest['down']) if lowest['spin'] else lowest['h']:.1f} "
          f"(per arrow for a spin button); the smallest spin button {smallest_spin['name']} "
          f"{smallest_spin['w']:.1f} x {smallest_spin['h']:.1f}")
    return by


def point_in(page, area, where):
    """A viewport point in a measured tap area, one CSS pixel in from its edge, after the
    control has been scrolled into view: 'up' or 'down' (a spin button's arrows, at the
    top and bottom edges) or 'corner' (the top-left corner), all outside what is drawn
    wherever the area is larger."""
    r = page.evaluate(f"""(() => {{
        const e = document.querySelector('[data-name="{area['name']}"]');
        e.scrollIntoView({{block: 'center', inline: 'nearest'}});
        const r = e.getBoundingClientRect();
        return [r.left, r.top, r.width];
    }})()""")
    left, top = r[0] + area["dx"], r[1] + area["dy"]
    if where == "up":
        return left + area["w"] / 2, top + 1
    if where == "down":
        return left + area["w"] / 2, top + area["h"] - 1
    return left + 1, top + 1


# ----------------------------------------------------------------------------------------
# Taps.

def raised(page):
    return [h for h, _ in page.evaluate("quorvel.raised")]


def tap_exercise(args, page, screen, areas, name):
    """Level, n, CALC, ANS, each tapped at the edge of its tap area; what they raised
    must be the events tapped, and the window must read what the replay's does."""
    taps = [("Spin_lebel", "up", "Spin_lebel_SpinUp"), ("Spin_n", "up", "Spin_n_SpinUp"),
            ("Spin_n", "down", "Spin_n_SpinDown"), ("Spin_n", "up", "Spin_n_SpinUp"),
            ("switch_s", "corner", "switch_s_Click"), ("Command3", "corner", "Command3_Click"),
            ("Command4", "corner", "Command4_Click")]
    before = len(raised(page))
    for control, where, _ in taps:
        screen.tap(*point_in(page, areas[control], where))
    want = [event for _, _, event in taps]
    page.wait_for(f"quorvel.raised.length >= {before + len(want)}", timeout=10)
    got = raised(page)[before:]
    if got != want:
        raise Failure(f"{name}: the taps raised {got}, not {want}")
    states = run_replay(args.replay, raised(page))
    problems = caption_problems(WindowPage(page), states[-1])
    if page.evaluate("quorvel.core.state()") != states[-1]:
        problems.append("the core's state is not the replay's")
    if problems:
        raise Failure(f"{name}: " + "; ".join(problems))
    print(f"  {name}: level, n (up, down, up), sin, CALC and ANS by taps at the edges of their "
          f"areas; S/T reads {states[-1]['value_s']!r}, as in the replay")


VALUE_A2 = "document.querySelector('[data-name=\"value_a(2)\"]').textContent"
MENU_OPEN = "!!document.getElementById('context-menu')?.matches(':popover-open')"


def held_arrow(page, screen, areas, name):
    """A finger held on a2's up arrow, beyond what is drawn: the arrow repeats with the
    mouse's timing up to 10, through a drift down the screen that would start a pan and
    through the moment a long press would open a menu, and no menu opens; lifted, it
    stops."""
    index = page.evaluate("quorvel.core.page.rows.findIndex(r => r.name === 'Spin_a2')")
    before = len(raised(page))
    x, y = point_in(page, areas["Spin_a2"], "up")
    screen.touch_down(x, y)
    try:
        page.wait_for(f"quorvel.raised.length >= {before + 2}", timeout=10)
        # Down the screen, staying on the arrow.
        for step in range(1, 9):
            screen.touch_move(x, y + step * (areas["Spin_a2"]["up"] - 2) / 8)
        try:
            page.wait_for(f"{VALUE_A2} === '10'", timeout=10)
        except TimeoutError:
            raise Failure(f"{name}: the held arrow stopped before 10, at "
                          f"{page.evaluate(VALUE_A2)}") from None
        # Held on past its end: the repeats go on at the bound.
        page.wait_for(f"quorvel.raised.length >= {before + 14}", timeout=10)
        if page.evaluate(MENU_OPEN):
            raise Failure(f"{name}: a menu opened over the held arrow")
        # The context menu event a browser sends for a long press (a headless one may
        # send none), on the held arrow: it opens no menu, and the arrow goes on.
        own_menus = page.evaluate("quorvel.menus")
        page.evaluate(f"""document.querySelector('[data-name="Spin_a2"] .up').dispatchEvent(
            new MouseEvent('contextmenu', {{bubbles: true, cancelable: true, clientX: {x},
                                            clientY: {y}, button: 2}}))""")
        if page.evaluate(MENU_OPEN):
            raise Failure(f"{name}: a long press's context menu event opened a menu over the "
                          "held arrow")
        page.wait_for(f"quorvel.raised.length >= {before + 16}", timeout=10)
    finally:
        screen.touch_up()
    if page.evaluate(f"quorvel.controls[{index}].isRepeating()"):
        raise Failure(f"{name}: the arrow still repeats after the finger lifted")
    events = page.evaluate("quorvel.raised")[before:]
    if any(h != "Spin_a2_SpinUp" for h, _ in events):
        raise Failure(f"{name}: the held arrow raised {[h for h, _ in events]}")
    times = [t for _, t in events]
    gaps = [b - a for a, b in zip(times, times[1:])]
    if gaps[0] < 395 or min(gaps[1:]) < 55:
        raise Failure(f"{name}: repeats came too soon: {[round(g) for g in gaps]}")
    if page.evaluate(MENU_OPEN):
        raise Failure(f"{name}: a menu opened after the held arrow")
    held_ms = times[-1] - times[0]
    print(f"  {name}: a held arrow raised {len(events)} SpinUps over {held_ms:.0f} ms (first "
          f"repeat after {gaps[0]:.0f} ms, then {min(gaps[1:]):.0f}-{max(gaps[1:]):.0f} ms "
          f"apart), the browser's own context menu events {own_menus} and one sent as a "
          f"browser's long press sends it: no menu opened")


def long_press(page, screen, wp, name):
    """A finger held still on a plot opens the window's menu; lifted, the menu stays;
    Esc closes it."""
    wp.show("campus_ex")
    x, y = wp.at(*wp.places["campus_ex"].centre())
    screen.touch_down(x, y)
    try:
        page.wait_for(MENU_OPEN, timeout=5)
    finally:
        screen.touch_up()
    try:
        page.wait_for(MENU_OPEN, timeout=2)
    except TimeoutError:
        raise Failure(f"{name}: the menu closed as the finger lifted") from None
    items = page.evaluate("[...document.querySelectorAll('#context-menu [role=menuitem]')]"
                          ".map(e => e.textContent)")
    if "How to use…" not in items:
        raise Failure(f"{name}: the long press's menu offers {items}")
    screen.escape()
    page.wait_for(f"!({MENU_OPEN})", timeout=5)
    print(f"  {name}: a long press on a plot opens the window's menu ({', '.join(items)})")


def turn(page, screen, device, wp, name):
    """The phone turned on its side and back: the window fits each time at once, and the
    state is what it was."""
    state = page.evaluate("quorvel.core.state()")
    side = Device(device.height, device.width, device.ratio, device.touch)
    for facing, shape in (("on its side", side), ("upright again", device)):
        screen.turn(shape)
        # Fitted again: filling the width or the height.
        page.wait_for(f"""innerWidth === {shape.width} && (() => {{
            const r = document.getElementById('window').getBoundingClientRect();
            return Math.abs(r.width - document.documentElement.clientWidth) < 1 ||
                Math.abs(r.height - innerHeight) < 1; }})()""", timeout=10)
        check_fit(page, shape, f"{name} {facing}")
    if page.evaluate("quorvel.core.state()") != state:
        raise Failure(f"{name}: turning the screen changed the state")
    wp.rearrange()
    print(f"  {name}: turned and back, the state kept")


# ----------------------------------------------------------------------------------------
# Scenarios.

def device_case(args, url, name):
    device = DEVICES[name]
    opened, Screen = browser(args.engine, device)
    with opened as page:
        screen = Screen(page, device)
        wp = open_page(page, url)
        check_fit(page, device, name)
        check_frames(page, wp, name)
        areas = measure_taps(page, wp, name)
        if device.touch:
            tap_exercise(args, page, screen, areas, name)
            held_arrow(page, screen, areas, name)
            long_press(page, screen, wp, name)
            if name == "phone":
                turn(page, screen, device, wp, name)
        with open(os.path.join(args.out, f"{args.engine}-{name}.png"), "wb") as f:
            f.write(page.screenshot_png())


def scale_2(args, url):
    """At 1294 x 910 CSS pixels the window shows at a scale of 2; after the road, clicked,
    every plot equals the window started with QT_SCALE_FACTOR=2, pixel for pixel (what lies
    over a plot left out: its "T" mark or "Spectol", whose text each toolkit draws its own
    way, and a neighbour's edge), and the screen shows each canvas as it is."""
    opened, Screen = browser(args.engine, SCALE_2)
    with opened as page:
        Screen(page, SCALE_2)
        wp = open_page(page, url)
        check_fit(page, SCALE_2, "scale_2")
        if abs(wp.scale() - 2) > 1e-9:
            raise Failure(f"the window shows at a scale of {wp.scale()}, not 2")
        for step in ROAD:
            step.perform(wp)
        clicks = sum(len(step.handlers()) for step in ROAD)
        page.wait_for(f"quorvel.raised.length === {clicks}", timeout=10)
        events = raised(page)
        with tempfile.TemporaryDirectory(prefix="quorvel-web-scale2-") as work:
            out = os.path.join(work, "reference.png")
            env = {k: v for k, v in os.environ.items()
                   if k not in ("QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING")}
            env.update(QT_QPA_PLATFORM="offscreen", QT_SCALE_FACTOR="2")
            subprocess.run([args.zoom_reference, out, *events], env=env, check=True,
                           timeout=120)
            want_window = read_png(out)
        if (want_window.width, want_window.height) != (1294, 910):
            raise Failure(f"the desktop's picture at scale 2 is {want_window.width}x"
                          f"{want_window.height}")
        problems = []
        for s in wp.surfaces():
            drawn = wp.canvas_image(s.name)
            if (drawn.width, drawn.height) != (2 * s.w, 2 * s.h):
                problems.append(f"{s.name} is drawn {drawn.width}x{drawn.height}")
                continue
            over = [(2 * x, 2 * y, 2 * w, 2 * h) for x, y, w, h in wp.covering(s.name)]
            want = want_window.crop(2 * s.x, 2 * s.y, drawn.width, drawn.height).masked(over)
            got = drawn.masked(over)
            if want != got:
                kept = keep(os.path.join(args.out, f"{args.engine}-scale2-{s.name}"),
                            desktop=want, web=got)
                problems.append(f"{s.name}: {len(differing_pixels(want, got))} pixels differ "
                                f"({kept})")
        if problems:
            raise Failure("; ".join(problems))
        print(f"  after {len(events)} clicks, all {len(wp.surfaces())} plots equal the "
              f"desktop's at QT_SCALE_FACTOR=2, pixel for pixel")
        screen_shows_canvases(wp, args.out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", choices=sorted(ENGINES), help="print the engine's scenarios")
    parser.add_argument("--engine", choices=sorted(ENGINES), default="chromium")
    parser.add_argument("--site")
    parser.add_argument("--replay")
    parser.add_argument("--zoom-reference")
    parser.add_argument("--out")
    parser.add_argument("scenario", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(" ".join(ENGINES[args.list]))
        return 0
    if args.scenario not in ENGINES[args.engine]:
        parser.error(f"no scenario {args.scenario!r} for {args.engine}")
    print(f"{args.engine}: {args.scenario}")
    return run_and_report(lambda: run(args), failures=(cdp.ProtocolError,))


def run(args):
    missing = cdp.chromium_missing() if args.engine == "chromium" else bidi.firefox_missing()
    if missing:
        raise Skipped(missing)
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        raise Failure(f"no page in {args.site}; build it with scripts/web.sh build")
    os.makedirs(args.out, exist_ok=True)
    with servers.preview(args.site) as served:
        if args.scenario == "scale_2":
            scale_2(args, served.url)
        else:
            device_case(args, served.url, args.scenario)


if __name__ == "__main__":
    sys.exit(main())
