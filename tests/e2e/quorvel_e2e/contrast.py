"""Every text of the real window, measured from its pixels on the X server: the colour of
its ink against the colour behind it, as WCAG defines the contrast ratio."""

import os
import tempfile
from collections import Counter

from quorvel_drive.failure import Failure
from quorvel_drive.images import write_png
from quorvel_drive.xvfb import x_server

from .window import Session

TEXT_RATIO = 4.5
# The kinds of control that show text.
TEXT_KINDS = ("label", "push_button", "option_button")
# Labels that only show text once a handler has written it: S/T after CALC, the answers
# after ANS.
LATE_TEXTS = ("value_s", "ans_a", "ans_b")


def luminance(rgb):
    def channel(v):
        c = v / 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(v) for v in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def measure(image, c, over=()):
    """(ink, background, ratio) of the text inside the control's rectangle, or None when
    nothing is written there. The background is the commonest colour inside the control's
    edge (a button's outline is not behind its text); the ink is the pixel that stands out
    most from it (the smoothed edges of a glyph lie between the two). Pixels under another
    control (a button over a label) are not the label's, and a row crossed from side to
    side by one colour is a plot's line running under a transparent label, not text."""
    inset = 2 if c.kind == "push_button" else 0
    rows = []
    for y in range(c.y + inset, c.y + c.h - inset):
        rows.append([None if any(o.contains(x, y) for o in over) else bytes(image.pixel(x, y))
                     for x in range(c.x + inset, c.x + c.w - inset)])
    seen = Counter(p for row in rows for p in row if p is not None)
    if not seen:
        return None
    background = seen.most_common(1)[0][0]
    ink = None
    for row in rows:
        others = [p for p in row if p is not None and p != background]
        crossing = len(others) >= 0.9 * len(row) and len(set(others)) == 1
        for p in [] if crossing else others:
            if ink is None or contrast(p, background) > contrast(ink, background):
                ink = p
    if ink is None:
        return None
    return ink, background, contrast(ink, background)


def covering(layout, c):
    """The controls drawn over a label: buttons, spin buttons and plots that overlap it
    without holding it (a plot's "T" mark lies on its plot)."""
    if c.kind != "label":
        return []
    return [o for o in layout.values()
            if o.shown and o.kind in ("push_button", "option_button", "spin_button", "picture")
            and o.x < c.x + c.w and c.x < o.x + o.w and o.y < c.y + c.h and c.y < o.y + o.h
            and not (o.x <= c.x and o.y <= c.y and c.x + c.w <= o.x + o.w
                     and c.y + c.h <= o.y + o.h)]


def hex_of(rgb):
    return "#" + bytes(rgb).hex()


def wait_for_text(s, names):
    """Until each named label shows something: the handlers have run and been painted."""
    def written():
        shot = s.screenshot()
        return all(measure(shot, s.layout[n], covering(s.layout, s.layout[n])) is not None
                   for n in names)
    s.wait_for(written, f"{', '.join(names)} still blank")


def contrast_check(args):
    palette_args = [] if args.palette == "seed" else ["--high-contrast"]
    out_dir = os.path.join(args.out, "contrast", args.palette)
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work:
        with x_server(os.path.join(work, "xvfb.log")) as display:
            s = Session(args, display, work, arguments=palette_args)
            try:
                at_start = s.screenshot()
                for button in ("Command3", "Command4"):
                    s.press(button)
                wait_for_text(s, ["value_s", "ans_a(0)", "ans_b(1)"])
                answered = s.screenshot()
            finally:
                s.close()
    write_png(answered, os.path.join(out_dir, "window.png"))
    measured, low = [], []
    for c in s.layout.values():
        if c.kind not in TEXT_KINDS or not c.shown:
            continue
        late = c.name.split("(")[0] in LATE_TEXTS
        found = measure(answered if late else at_start, c, covering(s.layout, c))
        if found is None:
            continue
        ink, back, ratio = found
        line = f"{c.name:14} {hex_of(ink)} on {hex_of(back)}  {ratio:5.2f}"
        measured.append(line)
        if ratio < TEXT_RATIO:
            low.append(line)
    with open(os.path.join(out_dir, "ratios.txt"), "w") as report:
        report.write("\n".join(measured) + "\n")
    print(f"{len(measured)} texts measured, {len(low)} below {TEXT_RATIO}:1 "
          f"({args.palette}; every ratio in {out_dir}/ratios.txt)")
    for line in low:
        print("  " + line)
    if args.palette == "high-contrast" and low:
        raise Failure(f"{len(low)} texts below {TEXT_RATIO}:1 in high contrast")
