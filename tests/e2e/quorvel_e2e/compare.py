"""The real window compared with the replay."""

import os
import re
import shutil
import subprocess
import tempfile
import time

from quorvel_drive.failure import Failure
from quorvel_drive.images import differing_pixels, keep
from quorvel_drive.replay import replay_checkpoints
from quorvel_drive.steps import Check
from quorvel_drive.xvfb import x_server

from .steps import SETTLE_TIMEOUT
from .window import Session


def stem_of(out_dir, label):
    return os.path.join(out_dir, re.sub(r"[^A-Za-z0-9]+", "_", label).strip("_"))


def compare(s, expected, label, out_dir):
    """Waits until the window shows the expected image (all but the focused control);
    on time-out keeps the images and fails naming the controls that differ."""
    mask = [s.layout[s.focus]] if s.focus else []
    want = expected.masked(c.box for c in mask)
    deadline = time.monotonic() + SETTLE_TIMEOUT
    while True:
        s.alive()
        real = s.screenshot()
        if (real.width, real.height) != (expected.width, expected.height):
            raise Failure(f"{label}: the window's client area is {real.width}x{real.height}, "
                          f"the replay's {expected.width}x{expected.height}")
        if real.masked(c.box for c in mask) == want:
            time.sleep(0.2)  # and it stays so
            real = s.screenshot()
            if real.masked(c.box for c in mask) == want:
                if s.args.keep_images:
                    keep(stem_of(out_dir, label), real=real, replay=expected)
                whole = len(differing_pixels(real, expected))
                print(f"  {label}: equal to the replay"
                      + (f" (masked focus on {s.focus}: {whole} px)" if whole else
                         " (whole window)"))
                return real
        if time.monotonic() > deadline:
            break
        time.sleep(0.1)

    diff = [p for p in differing_pixels(real, expected)
            if not any(c.contains(*p) for c in mask)]
    by_control = {}
    for c in s.layout.values():
        if c.shown and c.kind != "frame":
            n = sum(1 for p in diff if c.contains(*p))
            if n:
                by_control[c.name] = (c.kind, n)
    surfaces = [f"{n} ({k} px)" for n, (kind, k) in by_control.items() if kind == "picture"]
    others = [f"{n} ({k} px)" for n, (kind, k) in by_control.items() if kind != "picture"]
    stem = stem_of(out_dir, label)
    kept = keep(stem, real=real, replay=expected)
    subprocess.run(["compare", stem + "-real.png", stem + "-replay.png", stem + "-diff.png"],
                   capture_output=True)
    raise Failure(f"{label}: {len(diff)} pixels differ from the replay; "
                  f"differing surfaces: {', '.join(surfaces) or 'none'}; "
                  f"other controls over them: {', '.join(others) or 'none'}; "
                  f"images in {kept}")


def same_curve(image, a, b):
    """Two plots show the same curve when they differ at most in the colour of one row,
    the zero axis (black on the example, green on the trial wave)."""
    one, other = image.crop(*a.box), image.crop(*b.box)
    rows = {y for x, y in differing_pixels(one, other)} if (a.w, a.h) == (b.w, b.h) else None
    if rows is None or len(rows) > 1:
        raise Failure(f"{a.name} and {b.name} do not show the same curve "
                      f"({'their sizes differ' if rows is None else f'{len(rows)} rows differ'})")
    print(f"  {a.name} shows the curve of {b.name}")


def run_steps(args, steps, out_dir, desktop=None, arguments=()):
    """Replays the steps' handlers with a snapshot at every Check, then performs the steps
    on the real window and compares at the same Checks. The last step must be a Check.
    desktop: a function of the work folder giving the variables of the desktop the real
    window starts on; arguments: the program's command line."""
    assert isinstance(steps[-1], Check)
    os.makedirs(out_dir, exist_ok=True)
    checkpoints, part = [], []
    for step in steps:
        part += step.handlers()
        if isinstance(step, Check):
            checkpoints.append(part)
            part = []
    _, snaps, states = replay_checkpoints(args.replay, checkpoints)
    print(f"  replayed {len(states) - 1} events")
    expected = iter(snaps)
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work:
        with x_server(os.path.join(work, "xvfb.log")) as display:
            s = Session(args, display, work, desktop(work) if desktop else None, arguments)
            try:
                print(f"  quorvel on {display}, window {s.window} at {s.origin}")
                for step in steps:
                    step.perform(s)
                    if isinstance(step, Check):
                        real = compare(s, next(expected), step.note, out_dir)
                        if step.alike:
                            same_curve(real, *(s.layout[n] for n in step.alike))
                s.alive()
            finally:
                s.close()
                shutil.copy(os.path.join(work, "quorvel.log"), out_dir)
