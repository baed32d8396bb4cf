"""The zoom: the program zoomed to 200 % with its own keys against the program started with
QT_SCALE_FACTOR=2, worked with the same clicks; then back to 100 %, and the help."""

import os
import shutil
import tempfile
import time

from quorvel_drive.failure import Failure
from quorvel_drive.images import differing_pixels, write_png
from quorvel_drive.steps import UP, Click, Spin
from quorvel_drive.xvfb import x_server

from .window import REACT_TIMEOUT, Session

SCREEN = "2048x1536x24"
ROAD = [Spin("Spin_a0", UP, 2), Spin("Spin_n", UP), Click("Command3"), Click("switch_s"),
        Click("Command3"), Click("Command4"), Spin("Spin_b1", UP, 3)]
HELP_TITLE = "How to use Quorvel"


def settled(s):
    """The window's picture once two screenshots a moment apart agree."""
    deadline = time.monotonic() + REACT_TIMEOUT
    last = s.screenshot()
    while True:
        time.sleep(0.2)
        now = s.screenshot()
        if now == last:
            return now
        if time.monotonic() > deadline:
            raise Failure("the window never stopped changing")
        last = now


def caption_box(image, c):
    """The box around a push button's dark caption pixels."""
    xs, ys = [], []
    for row in range(c.y, c.y + c.h):
        for col in range(c.x, c.x + c.w):
            i = (row * image.width + col) * 3
            if sum(image.rgb[i:i + 3]) < 3 * 96:
                xs.append(col)
                ys.append(row)
    return (min(xs), min(ys), max(xs), max(ys)) if xs else None


def scaled_by_qt(args, display, work):
    """The window of the program started with QT_SCALE_FACTOR=2, after the road."""
    s = Session(args, display, work, {"QT_SCALE_FACTOR": "2"})
    try:
        s.scale_layout(2)
        if s.client_size() != (1294, 910):
            raise Failure(f"QT_SCALE_FACTOR=2 gives a {s.client_size()} window")
        for step in ROAD:
            step.perform(s)
        return settled(s)
    finally:
        s.close()


def zoom(args):
    out_dir = os.path.join(args.out, "zoom")
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work, \
            x_server(os.path.join(work, "xvfb.log"), SCREEN) as display:
        print(f"zoom: on {display} ({SCREEN})")
        want = scaled_by_qt(args, display, work)
        print("  QT_SCALE_FACTOR=2: 1294x910 after the road")

        s = Session(args, display, work)
        try:
            s.xdo("windowfocus", "--sync", s.window)
            for key, size in (("ctrl+equal", (809, 569)), ("ctrl+plus", (971, 683)),
                              ("ctrl+equal", (1294, 910))):
                s.xdo("key", key)
                s.wait_for(lambda: s.client_size() == size, f"{key} did not give {size}")
            print("  Ctrl+=, Ctrl++, Ctrl+= zoom through 125 % and 150 % to 200 %")

            s.scale_layout(2)
            for step in ROAD:
                step.perform(s)
            buttons = [c for c in s.layout.values() if c.kind == "push_button"]
            left_out = buttons + [s.layout[s.focus]]
            mask = [c.box for c in left_out]
            real = settled(s)
            if args.keep_images:
                write_png(real, os.path.join(out_dir, "zoomed.png"))
                write_png(want, os.path.join(out_dir, "scaled.png"))
            if (real.width, real.height) != (want.width, want.height):
                raise Failure(f"zoomed to {real.width}x{real.height}")
            if real.masked(mask) != want.masked(mask):
                write_png(real, os.path.join(out_dir, "zoomed.png"))
                write_png(want, os.path.join(out_dir, "scaled.png"))
                diff = differing_pixels(real, want)
                outside = [p for p in diff if not any(c.contains(*p) for c in left_out)]
                raise Failure(f"{len(outside)} pixels differ from the QT_SCALE_FACTOR=2 "
                              f"window outside the push buttons; images in {out_dir}")
            for c in buttons:
                if caption_box(real, c) != caption_box(want, c):
                    raise Failure(f"the caption of {c.name} moved: {caption_box(real, c)} "
                                  f"against {caption_box(want, c)}")
            print("  equal to the QT_SCALE_FACTOR=2 window outside the push buttons and the "
                  f"focused {s.focus}; the push buttons' captions in the same places")

            s.xdo("key", "ctrl+0")
            s.wait_for(lambda: s.client_size() == (647, 455), "Ctrl+0 did not go back to 100 %")
            print("  Ctrl+0: back to 647x455")

            windows = len(s.windows())
            s.xdo("key", "F1")
            s.xdo("search", "--sync", "--onlyvisible", "--name", f"^{HELP_TITLE}$", timeout=30)
            s.xdo("key", "Escape")
            s.wait_for(lambda: len(s.windows()) == windows, "Escape left the help open")
            print("  F1 opens the help, Escape closes it")
            s.alive()
        finally:
            s.close()
            shutil.copy(os.path.join(work, "quorvel.log"), out_dir)


# The client area at the largest zoom step whose window fits each screen: 150 % and 250 %
# (200 % is 1294 pixels wide, 300 % is 1941 x 1365).
FITTING = {"1280x1024": (971, 683), "1920x1200": (1618, 1138)}


def zoom_fit(args, screen):
    """Ctrl+= pressed five times on a screen of that size: the window stops at the largest
    step that fits and lies wholly on the screen."""
    width, height = (int(n) for n in screen.split("x"))
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work, \
            x_server(os.path.join(work, "xvfb.log"), f"{screen}x24") as display:
        print(f"zoom fit: on {display} ({screen})")
        s = Session(args, display, work)
        try:
            s.xdo("windowfocus", "--sync", s.window)
            for _ in range(5):
                s.xdo("key", "ctrl+equal")
            # F1 is handled after the five presses, so once its window shows, they have been.
            windows = len(s.windows())
            s.xdo("key", "F1")
            s.xdo("search", "--sync", "--onlyvisible", "--name", f"^{HELP_TITLE}$", timeout=30)
            s.xdo("key", "Escape")
            s.wait_for(lambda: len(s.windows()) == windows, "Escape left the help open")
            size = s.client_size()
            if size != FITTING[screen]:
                raise Failure(f"five Ctrl+= gave a {size[0]}x{size[1]} window, not the "
                              f"{FITTING[screen][0]}x{FITTING[screen][1]} of the largest step "
                              f"that fits")
            left, top, w, h = s.geometry()
            right, bottom = left + w, top + h
            if left < 0 or top < 0 or right > width or bottom > height:
                raise Failure(f"the window lies at ({left}, {top})-({right}, {bottom}), past "
                              f"the edge of the {screen} screen")
            print(f"  five Ctrl+=: {size[0]}x{size[1]} at ({left}, {top})-({right}, {bottom}), "
                  "on the screen")
            s.alive()
        finally:
            s.close()
