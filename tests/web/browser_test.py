#!/usr/bin/env python3
"""The web page in headless Chromium, worked as a student would: clicks at the layout
table's click points and keys through the DevTools protocol. The handlers each step
raises also go to the desktop's quorvel-replay, and at every check every plot surface of
the page must equal the replay's snapshot pixel for pixel (leaving out what lies over a
surface: its "T" mark or "Spectol", whose text each toolkit draws its own way, and a
neighbour's edge), and every caption the replay reports must read the same on the page.

  browser_test.py --site build/web --replay quorvel-replay --out DIR SCENARIO
  browser_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (no Chromium or python3-websocket).
"""

import argparse
import os
import random
import sys
import time

SKIP = 77
UP, DOWN = True, False
SOAK_SPINNERS = ["Spin_a0", "Spin_a1", "Spin_a2", "Spin_a3", "Spin_a4", "Spin_b1", "Spin_b2",
                 "Spin_b3", "Spin_b4", "Spin_n", "Spin_k", "Spin_lebel"]
SOAK_BUTTONS = ["switch_c", "switch_s", "Command1", "Command2", "Command3", "Command4"]


class Failure(Exception):
    pass


# ----------------------------------------------------------------------------------------
# Steps of a scenario: each performs itself on the page and names the handlers it raises.

class Click:
    def __init__(self, name):
        self.name = name

    def handlers(self):
        return [f"{self.name}_Click"]

    def perform(self, wp):
        wp.click(self.name)


class Spin:
    def __init__(self, name, up, times=1):
        self.name, self.up, self.times = name, up, times

    def handlers(self):
        return [f"{self.name}_Spin{'Up' if self.up else 'Down'}"] * self.times

    def perform(self, wp):
        for _ in range(self.times):
            wp.click(self.name, self.up)


class Check:
    def __init__(self, note):
        self.note = note

    def handlers(self):
        return []

    def perform(self, wp):
        pass


def exercise(start):
    """The road of one exercise: a0, a1/2 and b1/2 read with CALC, entered with the
    spinners, checked with ANS; then the next example."""
    return [
        Click("Command3"),
        Spin("Spin_a0", UP, int(start["ex_a"][0])),
        Spin("Spin_n", UP),
        Click("Command3"),
        Click("switch_s"),
        Click("Command3"),
        Spin("Spin_a1", UP, int(start["ex_a"][1])),
        Spin("Spin_b1", UP, int(start["ex_b"][1])),
        Click("Command4"),
        Check("answers shown, trial entered"),
        Click("Command1"),
        Spin("Spin_lebel", UP, 4),
        Spin("Spin_k", DOWN, 2),
        Spin("Spin_n", UP, 5),
        Click("Command3"),
    ]


def soak(start, clicks=600, batch=150, seed=20240611):
    """Random clicks at the click points of every button and both arrows of every spinner,
    compared after every batch."""
    rng = random.Random(seed)
    choices = [(n, up) for n in SOAK_SPINNERS for up in (UP, DOWN)] + \
              [(n, None) for n in SOAK_BUTTONS]
    steps = []
    for i in range(clicks):
        name, up = rng.choice(choices)
        steps.append(Click(name) if up is None else Spin(name, up))
        if (i + 1) % batch == 0:
            steps.append(Check(f"soak after {i + 1} clicks"))
    return steps


# ----------------------------------------------------------------------------------------
# Comparison with the replay.

def compare(wp, snap, state, note, out_dir):
    from replay import write_png
    from window_page import crop, differing, masked

    problems = []
    for s in wp.surfaces():
        drawn = wp.canvas_image(s.name)
        if (drawn.width, drawn.height) != (s.w, s.h):
            problems.append(f"{s.name} is {drawn.width}x{drawn.height}, not {s.w}x{s.h}")
            continue
        over = wp.covering(s.name)
        want = masked(crop(snap, s.x, s.y, s.w, s.h), over)
        got = masked(drawn, over)
        if want.rgb != got.rgb:
            stem = os.path.join(out_dir, f"{note}-{s.name}".replace(" ", "_"))
            write_png(want, stem + "-replay.png")
            write_png(got, stem + "-web.png")
            problems.append(f"{s.name}: {differing(want, got)} pixels differ ({stem}-*.png)")
    problems += caption_problems(wp, state)
    if problems:
        raise Failure(f"{note}: " + "; ".join(problems))
    print(f"  {note}: {len(wp.surfaces())} surfaces equal to the replay's, captions equal")


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


def screen_shows_canvases(wp, out_dir):
    """What the screen shows of each surface is what its canvas holds: no scaling, no
    smoothing (what lies over the surfaces left out)."""
    import tempfile

    from replay import read_png
    from window_page import crop, masked
    with tempfile.NamedTemporaryFile(suffix=".png") as f:
        f.write(wp.page.screenshot_png())
        f.flush()
        screen = read_png(f.name)
    ratio = screen.width / wp.page.evaluate("innerWidth")
    for s in wp.surfaces():
        drawn = wp.canvas_image(s.name)
        x, y = wp.at(s.x, s.y)
        shown = crop(screen, round(x * ratio), round(y * ratio), drawn.width, drawn.height)
        scale = drawn.width / s.w
        over = [(round(x * scale), round(y * scale), round(w * scale), round(h * scale))
                for x, y, w, h in wp.covering(s.name)]
        if masked(shown, over).rgb != masked(drawn, over).rgb:
            from replay import write_png
            write_png(masked(shown, over), os.path.join(out_dir, f"screen-{s.name}.png"))
            write_png(masked(drawn, over), os.path.join(out_dir, f"canvas-{s.name}.png"))
            raise Failure(f"the screen does not show {s.name}'s canvas pixel for pixel")
    print(f"  the screen shows every canvas pixel for pixel (device pixel ratio {ratio:g})")


# ----------------------------------------------------------------------------------------

def open_page(page, url):
    from window_page import WindowPage
    page.navigate(url)
    page.wait_for("globalThis.quorvel && quorvel.painted")
    page.wait_for("document.fonts.status === 'loaded'")
    page.evaluate("""(() => {
        quorvel.raised = [];
        const raise = quorvel.core.raise;
        quorvel.core.raise = (h) => { quorvel.raised.push([h, performance.now()]); return raise(h); };
    })()""")
    return WindowPage(page)


def run_steps(args, steps, url):
    import cdp
    import replay
    if not isinstance(steps[-1], Check):
        steps = steps + [Check("end")]
    checkpoints, pending = [], []
    for step in steps:
        pending += step.handlers()
        if isinstance(step, Check):
            checkpoints.append(pending)
            pending = []
    states, snaps = replay.states_and_snaps(args.replay, checkpoints)
    print(f"  replayed {sum(len(c) for c in checkpoints)} events")
    with cdp.chromium() as page:
        wp = open_page(page, url)
        raised_before = 0
        checks = iter(zip(checkpoints, states, snaps))
        for step in steps:
            step.perform(wp)
            if isinstance(step, Check):
                events, state, snap = next(checks)
                raised = [h for h, _ in page.evaluate("quorvel.raised")]
                if raised[raised_before:] != events:
                    raise Failure(f"{step.note}: the page raised {len(raised) - raised_before} "
                                  f"events, not the {len(events)} clicked")
                raised_before = len(raised)
                compare(wp, snap, state, step.note, args.out)
        screen_shows_canvases(wp, args.out)


def start_state(args):
    import replay
    return replay.run(args.replay, [])[0]


SCENARIOS = {
    "exercise": lambda args, url: run_steps(args, exercise(start_state(args)), url),
    "soak": lambda args, url: run_steps(args, soak(start_state(args)), url),
}


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the scenario names")
    parser.add_argument("--site")
    parser.add_argument("--replay")
    parser.add_argument("--out")
    parser.add_argument("scenario", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(" ".join(SCENARIOS))
        return 0
    try:
        import cdp
    except ImportError:
        print("SKIP: python3-websocket is not installed (scripts/setup.sh installs it)")
        return SKIP
    if cdp.chromium_path() is None:
        print("SKIP: Chromium is not installed (scripts/setup.sh installs it)")
        return SKIP
    if args.scenario not in SCENARIOS:
        parser.error(f"no scenario {args.scenario!r}; there are {', '.join(SCENARIOS)}")
    if not os.path.exists(os.path.join(args.site, "quorvel.wasm")):
        print(f"FAIL: no page in {args.site}; build it with scripts/web.sh build")
        return 1
    os.makedirs(args.out, exist_ok=True)
    print(f"scenario {args.scenario}")
    started = time.monotonic()
    try:
        with cdp.site_server(args.site) as url:
            SCENARIOS[args.scenario](args, url)
    except (Failure, cdp.ProtocolError, TimeoutError) as e:
        print(f"FAIL: {e}")
        return 1
    print(f"PASS ({time.monotonic() - started:.1f} s)")
    return 0


if __name__ == "__main__":
    sys.exit(main())
