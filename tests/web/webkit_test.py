#!/usr/bin/env python3
"""The web page in WebKit (WebKitGTK's MiniBrowser under Xvfb, through WebKitWebDriver), the
engine of every browser on an iPad: a phone upright (as narrow as MiniBrowser allows), a
tablet and a laptop, each with its fit, its frames and every control's tap area measured by
hit testing, and on the phone and the tablet level, n, CALC and ANS clicked at the edges of
their areas and a held arrow; at the window's own 647 x 455 CSS pixels one whole exercise,
600 random clicks and a held arrow, compared with quorvel-replay pixel for pixel, and an
exercise's code opened at every level (exercise_code_test.py's examples); the served page
reloaded through its service worker with the server gone; and the single file opened from
disk.

  webkit_test.py --site build/web --probe-site build/web-probe --replay quorvel-replay
                 --out DIR SCENARIO
  webkit_test.py --list

Exit status: 0 passed, 1 failed, 77 skipped (no WebKitWebDriver, MiniBrowser or Xvfb).
"""

import argparse
import os
import shutil
import sys
import tempfile
from pathlib import Path

# No bytecode is left in the source tree; the helpers every driver shares (quorvel_drive)
# come from tests/drive through PYTHONPATH, as ctest runs it.
sys.dont_write_bytecode = True

from quorvel_drive import servers  # noqa: E402
from quorvel_drive.failure import Failure, Skipped  # noqa: E402
from quorvel_drive.replay import raisable_events, replay_checkpoints, run_replay  # noqa: E402
from quorvel_drive.report import run_and_report  # noqa: E402
from quorvel_drive.steps import UP, Check  # noqa: E402

import webkit  # noqa: E402
from browser_test import check_raised, compare, exercise_and_more, soak  # noqa: E402
from devices_test import (DEVICES, Device, check_fit, check_frames,  # noqa: E402
                          measure_taps, point_in, raised)
from exercise_code_test import check_exercise_codes  # noqa: E402
from offline_test import STARTED, calc_shows_a0, wait_offline_ready  # noqa: E402
from opened_page import caption_problems, open_page, screen_shows_canvases  # noqa: E402
from window_page import WindowPage, arrangements, places  # noqa: E402

# The phone upright as narrow as MiniBrowser's window can be: still the portrait
# arrangement, the columns one under another.
WEBKIT_DEVICES = {
    "phone": Device(webkit.NARROWEST, 844, 3, True, fills="width"),
    "tablet": DEVICES["tablet"],
    "laptop": DEVICES["laptop"],
}
VALUE_A2 = "document.querySelector('[data-name=\"value_a(2)\"]').textContent"


def click_exercise(args, page, areas, name):
    """Level, n (up, down, up), sin, CALC and ANS, each clicked at the edge of its tap area
    (WebKitGTK has no touch to drive): what they raised must be the events clicked (an
    arrow whose release a busy page held back past the first repeat may repeat, as a held
    arrow must), and the window must read what the replay's does."""
    clicks = [("Spin_lebel", "up", "Spin_lebel_SpinUp"), ("Spin_n", "up", "Spin_n_SpinUp"),
              ("Spin_n", "down", "Spin_n_SpinDown"), ("Spin_n", "up", "Spin_n_SpinUp"),
              ("switch_s", "corner", "switch_s_Click"), ("Command3", "corner", "Command3_Click"),
              ("Command4", "corner", "Command4_Click")]
    for control, where, _ in clicks:
        page.click(*point_in(page, areas[control], where))
    page.wait_for(f"quorvel.raised.length >= {len(clicks)}", timeout=10)
    events = raised(page)
    check_raised(name, [event for _, _, event in clicks], events)
    state = run_replay(args.replay, events)[-1]
    problems = caption_problems(WindowPage(page), state)
    if page.evaluate("quorvel.core.state()") != state:
        problems.append("the core's state is not the replay's")
    if problems:
        raise Failure(f"{name}: " + "; ".join(problems))
    print(f"  {name}: level, n (up, down, up), sin, CALC and ANS clicked at the edges of their "
          f"areas; S/T reads {state['value_s']!r}, as in the replay")


def held_arrow(page, x, y, drift, name):
    """The mouse held on a2's up arrow at (x, y): the arrow repeats with the desktop's
    timing through a drift of `drift` CSS pixels down the arrow up to 10; released, it
    stops."""
    index = page.evaluate("quorvel.core.page.rows.findIndex(r => r.name === 'Spin_a2')")
    before = len(raised(page))
    page.mouse_down(x, y)
    try:
        page.wait_for(f"quorvel.raised.length >= {before + 2}", timeout=10)
        for step in range(1, 5):
            page.mouse_move(x, y + step * drift / 4)
        page.wait_for(f"{VALUE_A2} === '10'", timeout=10)
    finally:
        page.mouse_up()
    if page.evaluate(f"quorvel.controls[{index}].isRepeating()"):
        raise Failure(f"{name}: the arrow still repeats after the release")
    events = page.evaluate("quorvel.raised")[before:]
    if any(h != "Spin_a2_SpinUp" for h, _ in events):
        raise Failure(f"{name}: the held arrow raised {[h for h, _ in events]}")
    gaps = [b - a for (_, a), (_, b) in zip(events, events[1:])]
    if gaps[0] < 395 or min(gaps[1:]) < 55:
        raise Failure(f"{name}: repeats came too soon: {[round(g) for g in gaps]}")
    print(f"  {name}: a held arrow raised {len(events)} SpinUps, the first repeat after "
          f"{gaps[0]:.0f} ms, then {min(gaps[1:]):.0f}-{max(gaps[1:]):.0f} ms apart")


def device_case(args, url, name):
    device = WEBKIT_DEVICES[name]
    with webkit.webkit(device.width, device.height, device.ratio) as page:
        inside = page.evaluate("[innerWidth, innerHeight, devicePixelRatio]")
        if inside != [device.width, device.height, device.ratio]:
            raise Failure(f"{name}: the viewport is {inside}, not "
                          f"{[device.width, device.height, device.ratio]}")
        wp = open_page(page, url)
        check_fit(page, device, name)
        if name == "phone":
            portrait = places(arrangements(wp.description)["portrait"])
            if any((p.x, p.y) != (portrait[n].x, portrait[n].y) for n, p in wp.places.items()):
                raise Failure(f"{name}: the page is not in its portrait arrangement")
            print(f"  {name}: the portrait arrangement")
        check_frames(page, wp, name)
        areas = measure_taps(page, wp, name)
        if device.touch:
            click_exercise(args, page, areas, name)
            x, y = point_in(page, areas["Spin_a2"], "up")
            held_arrow(page, x, y, areas["Spin_a2"]["up"] - 2, name)
        with open(os.path.join(args.out, f"webkit-{name}.png"), "wb") as f:
            f.write(page.screenshot_png())


def run_steps(args, steps, url):
    """The steps clicked at the window's own size; at every Check the events raised so
    far go through the replay and the page must equal its snapshot."""
    if not isinstance(steps[-1], Check):
        steps = steps + [Check("end")]
    with webkit.webkit() as page:
        wp = open_page(page, url)
        if abs(wp.scale() - 1) > 1e-9:
            raise Failure(f"at 647 x 455 the window shows at a scale of {wp.scale()}")
        clicked = []
        for step in steps:
            step.perform(wp)
            clicked += step.handlers()
            if isinstance(step, Check):
                events = [h for h, _ in page.evaluate("quorvel.raised")]
                check_raised(step.note, clicked, events)
                states, snaps, _ = replay_checkpoints(args.replay, [events])
                compare(wp, snaps[0], states[0], step.note, args.out)
        print(f"  {len(clicked)} events clicked and replayed")
        screen_shows_canvases(wp, args.out)


def hold(args, url):
    """At 647 x 455 an arrow held down repeats up to its bound and stops when released;
    the page then equals the replay's."""
    with webkit.webkit() as page:
        wp = open_page(page, url)
        wp.show("Spin_a2")
        spin = wp.places["Spin_a2"]
        held_arrow(page, *wp.at(*spin.arrow(UP)), spin.h / 4 - 2, "647x455")
        events = raised(page)
        states, snaps, _ = replay_checkpoints(args.replay, [events])
        compare(wp, snaps[0], states[0], "after the hold", args.out)


def offline_reload(args, url, served):
    """After one visit, with the server gone, a reload starts the page from the service
    worker's cache and CALC works."""
    with webkit.webkit() as page:
        page.navigate(url)
        page.wait_for(STARTED)
        wait_offline_ready(page)
        served.stop()
        page.evaluate("document.getElementById('window').dataset.before = 'reload'")
        page.reload()
        page.wait_for("!document.getElementById('window')?.dataset.before", timeout=30)
        calc_shows_a0(page)
        controlled = page.evaluate("navigator.serviceWorker.controller !== null")
    if not controlled:
        raise Failure("the reloaded page is not the service worker's")
    print("  server stopped: the reload comes through the service worker, CALC shows 7.9999")


def single_file(args):
    """quorvel.html copied alone into an empty folder and opened from disk runs CALC,
    having loaded nothing but itself (and what it made, as data: and blob: URLs)."""
    with tempfile.TemporaryDirectory(prefix="quorvel-usb-") as folder:
        copy = Path(folder, "quorvel.html")
        shutil.copyfile(Path(args.site, "quorvel.html"), copy)
        with webkit.webkit() as page:
            page.navigate(copy.as_uri())
            calc_shows_a0(page)
            page.wait_for("document.fonts.status === 'loaded'")
            faces = page.evaluate("[...document.fonts].filter((f) => f.status === 'loaded')"
                                  ".length")
            asked = page.evaluate("performance.getEntriesByType('resource').map(e => e.name)")
    problems = [f"it asked for {name}" for name in asked
                if not name.startswith(("data:", "blob:", copy.as_uri()))]
    if faces != 3:
        problems.append(f"{faces} of its 3 faces loaded")
    if problems:
        raise Failure("the single file: " + "; ".join(problems))
    print("  from disk: CALC shows 7.9999, its 3 faces load, nothing else asked for")


SCENARIOS = ["phone", "tablet", "laptop", "exercise", "soak", "hold", "exercise_code",
             "offline_reload", "single_file"]


def run(args):
    missing = webkit.webkit_missing()
    if missing:
        raise Skipped(missing)
    if args.scenario == "single_file":
        single_file(args)
        return
    if not os.path.exists(os.path.join(args.probe_site, "quorvel.wasm")):
        raise Failure(f"no page in {args.probe_site}; build it with scripts/web.sh build")
    os.makedirs(args.out, exist_ok=True)
    if args.scenario == "offline_reload":
        with servers.preview(args.site) as served:
            offline_reload(args, served.url, served)
        return
    with servers.preview(args.probe_site) as served:
        if args.scenario in WEBKIT_DEVICES:
            device_case(args, served.url, args.scenario)
        elif args.scenario == "exercise":
            run_steps(args, exercise_and_more(run_replay(args.replay, [])[0]), served.url)
        elif args.scenario == "soak":
            run_steps(args, soak(raisable_events(args.replay)), served.url)
        elif args.scenario == "exercise_code":
            with webkit.webkit() as page:
                check_exercise_codes(args, page, served.url)
        else:
            hold(args, served.url)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list", action="store_true", help="print the scenario names")
    parser.add_argument("--site", help="the visitors' site")
    parser.add_argument("--probe-site", help="the same page with the test functions")
    parser.add_argument("--replay")
    parser.add_argument("--out")
    parser.add_argument("scenario", nargs="?")
    args = parser.parse_args()
    if args.list:
        print(" ".join(SCENARIOS))
        return 0
    if args.scenario not in SCENARIOS:
        parser.error(f"no scenario {args.scenario!r}; there are {', '.join(SCENARIOS)}")
    print(f"webkit: {args.scenario}")
    return run_and_report(lambda: run(args), failures=(webkit.ProtocolError,))


if __name__ == "__main__":
    sys.exit(main())
