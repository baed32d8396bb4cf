#!/usr/bin/env python3
"""End-to-end tests of quorvel on a real X server.

Each test starts its own Xvfb, starts the real program in it, and works the window with
the mouse and keyboard through xdotool, at positions taken from the layout table (through
quorvel-e2e-layout). The same events, written as handler names, go to quorvel-replay, and
the real window's client area must equal the replay's snapshot pixel for pixel, apart
from the one control that holds the keyboard focus (its focus frame is drawn only on the
real screen). On a difference the two images and a diff image are kept in --out.

  e2e.py [options] scenario NAME    one scenario of SCENARIOS
  e2e.py [options] soak             random clicks in batches, compared after every batch
  e2e.py [options] memcheck         a long replay under valgrind memcheck
  e2e.py [options] theme NAME       the exercise's first steps on a dark desktop of THEMES

Exit status: 0 passed, 1 failed, 77 skipped (no Xvfb; no valgrind for memcheck).
"""

import argparse
import contextlib
import json
import os
import random
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
from dataclasses import dataclass

SKIP = 77
SCREEN = "1280x1024x24"
TITLE = "Fourier Series"
# How long the window may take to show what the replay shows (it is polled, not timed).
SETTLE_TIMEOUT = 15.0


class Failure(Exception):
    pass


# ----------------------------------------------------------------------------------------
# The layout, as the helper reads it from the table the window is built from.

@dataclass
class Control:
    name: str
    kind: str
    shown: bool
    x: int
    y: int
    w: int
    h: int

    def centre(self):
        return self.x + self.w // 2, self.y + self.h // 2

    def arrow(self, up):
        """The middle of the upper or the lower quarter of a spin button."""
        return self.x + self.w // 2, self.y + (self.h // 4 if up else (3 * self.h) // 4)

    def contains(self, px, py):
        return self.x <= px < self.x + self.w and self.y <= py < self.y + self.h


def read_layout(helper):
    out = subprocess.run([helper], capture_output=True, text=True, check=True).stdout
    controls = {}
    for line in out.splitlines():
        name, kind, shown, x, y, w, h = line.split()
        controls[name] = Control(name, kind, shown == "1", int(x), int(y), int(w), int(h))
    return controls


# ----------------------------------------------------------------------------------------
# Images: binary PPM in memory, PNG on disk only when something is kept.

@dataclass
class Image:
    width: int
    height: int
    rgb: bytes

    def masked(self, rects):
        data = bytearray(self.rgb)
        for c in rects:
            for row in range(max(c.y, 0), min(c.y + c.h, self.height)):
                start = (row * self.width + max(c.x, 0)) * 3
                end = (row * self.width + min(c.x + c.w, self.width)) * 3
                data[start:end] = bytes(end - start)
        return bytes(data)

    def crop(self, c):
        rows = []
        for row in range(c.y, c.y + c.h):
            start = (row * self.width + c.x) * 3
            rows.append(self.rgb[start:start + c.w * 3])
        return b"".join(rows)


def parse_ppm(data):
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    if fields[0] != b"P6" or fields[3] != b"255":
        raise Failure(f"unexpected image header {fields!r}")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    return Image(width, height, pixels)


def read_png(path):
    return parse_ppm(subprocess.run(["convert", path, "-depth", "8", "ppm:-"],
                                    capture_output=True, check=True).stdout)


def write_png(image, path):
    header = f"P6\n{image.width} {image.height}\n255\n".encode()
    subprocess.run(["convert", "ppm:-", path], input=header + image.rgb, check=True)


def differing_pixels(a, b):
    width = a.width
    out = []
    for row in range(a.height):
        start, end = row * width * 3, (row + 1) * width * 3
        if a.rgb[start:end] == b.rgb[start:end]:
            continue
        for col in range(width):
            i = start + col * 3
            if a.rgb[i:i + 3] != b.rgb[i:i + 3]:
                out.append((col, row))
    return out


# ----------------------------------------------------------------------------------------
# The X server and the program.

def x_client_env(display, runtime_dir):
    env = dict(os.environ, DISPLAY=display, XDG_RUNTIME_DIR=runtime_dir)
    for name in ("QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                 "QT_AUTO_SCREEN_SCALE_FACTOR", "WAYLAND_DISPLAY"):
        env.pop(name, None)
    return env


@contextlib.contextmanager
def x_server(log_path):
    """A private Xvfb on a display number it picks itself; yields ':N'."""
    read_end, write_end = os.pipe()
    with open(log_path, "w") as log:
        server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN, "-nolisten", "tcp",
             "-dpi", "96"],
            pass_fds=(write_end,), stdout=log, stderr=subprocess.STDOUT)
    os.close(write_end)
    try:
        number = b""
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], 20)
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                raise Failure(f"Xvfb did not start; see {log_path}")
            number += chunk
        yield ":" + number.decode().strip()
    finally:
        os.close(read_end)
        server.terminate()
        server.wait(timeout=10)


class Session:
    """The real program on its X server, and what the test knows of its window."""

    def __init__(self, args, display, workdir, desktop=None):
        self.args = args
        self.layout = read_layout(args.layout)
        runtime = os.path.join(workdir, "runtime")
        os.makedirs(runtime, mode=0o700, exist_ok=True)
        self.env = x_client_env(display, runtime)
        if desktop:
            self.env.update(desktop)
        self.log = open(os.path.join(workdir, "quorvel.log"), "w")
        self.app = subprocess.Popen([args.quorvel], env=self.env, stdout=self.log,
                                    stderr=subprocess.STDOUT)
        self.focus = None  # the control that last took the keyboard focus
        try:
            found = self.xdo("search", "--sync", "--onlyvisible", "--name", f"^{TITLE}$",
                             timeout=30).split()
            if len(found) != 1:
                raise Failure(f"expected one window named {TITLE!r}, found {found}")
            self.window = found[0]
            geometry = dict(line.split("=") for line in
                            self.xdo("getwindowgeometry", "--shell", self.window).split())
            self.origin = int(geometry["X"]), int(geometry["Y"])
        except BaseException:
            self.close()
            raise

    def close(self):
        if self.app.poll() is None:
            self.app.terminate()
            self.app.wait(timeout=10)
        self.log.close()

    def xdo(self, *command, timeout=60):
        done = subprocess.run(["xdotool", *command], env=self.env, capture_output=True,
                              text=True, timeout=timeout)
        if done.returncode != 0:
            raise Failure(f"xdotool {' '.join(command)} failed: {done.stderr.strip()}")
        return done.stdout

    def alive(self):
        if self.app.poll() is not None:
            raise Failure(f"quorvel ended with status {self.app.returncode}")

    def click_args(self, point):
        return ["mousemove", "--window", self.window, str(point[0]), str(point[1]),
                "click", "--delay", "0", "1"]

    def screenshot(self):
        data = subprocess.run(["import", "-window", self.window, "-depth", "8", "ppm:-"],
                              env=self.env, capture_output=True, check=True).stdout
        return parse_ppm(data)


# ----------------------------------------------------------------------------------------
# What a test does to the window, and the handlers the same thing raises.

UP, DOWN = True, False


class Click:
    """A push or option button, clicked in its middle."""

    def __init__(self, name):
        self.name = name

    def handlers(self):
        return [f"{self.name}_Click"]

    def xdo_args(self, s):
        s.focus = self.name
        return s.click_args(s.layout[self.name].centre())

    def perform(self, s):
        s.xdo(*self.xdo_args(s), "mousemove", "0", "0")


class Spin(Click):
    """Clicks on the upper or lower arrow of a spin button."""

    def __init__(self, name, up, times=1):
        super().__init__(name)
        self.up, self.times = up, times

    def handlers(self):
        return [f"{self.name}_Spin{'Up' if self.up else 'Down'}"] * self.times

    def xdo_args(self, s):
        s.focus = self.name
        return s.click_args(s.layout[self.name].arrow(self.up)) * self.times


class Hold(Spin):
    """The mouse held down on an arrow. With slide_off the pointer leaves for the other
    arrow at once and is released there, so only the first press may count."""

    def __init__(self, name, up, seconds, presses, slide_off=False):
        super().__init__(name, up, presses)
        self.seconds, self.slide_off = seconds, slide_off

    def xdo_args(self, s):
        s.focus = self.name
        spin = s.layout[self.name]
        x, y = spin.arrow(self.up)
        args = ["mousemove", "--window", s.window, str(x), str(y), "mousedown", "1"]
        if self.slide_off:
            x, y = spin.arrow(not self.up)
            args += ["mousemove", "--window", s.window, str(x), str(y)]
        return args + ["sleep", str(self.seconds), "mouseup", "1"]


class Through(Click):
    """A button clicked where a blank label lies over it: the label must not take it."""

    def __init__(self, name, label):
        super().__init__(name)
        self.label = label

    def xdo_args(self, s):
        s.focus = self.name
        a, b = s.layout[self.name], s.layout[self.label]
        left, top = max(a.x, b.x), max(a.y, b.y)
        right, bottom = min(a.x + a.w, b.x + b.w), min(a.y + a.h, b.y + b.h)
        if left >= right or top >= bottom:
            raise Failure(f"{self.label} does not lie over {self.name}")
        return s.click_args(((left + right) // 2, (top + bottom) // 2))


class Stray(Spin):
    """A click that must raise nothing: with the middle or right mouse button on a
    button's arrow or face, or with any button on a plot or label."""

    def __init__(self, name, button=1, up=None):
        super().__init__(name, up)
        self.button = button

    def handlers(self):
        return []

    def xdo_args(self, s):
        s.focus = self.name
        c = s.layout[self.name]
        x, y = c.centre() if self.up is None else c.arrow(self.up)
        return ["mousemove", "--window", s.window, str(x), str(y),
                "click", "--delay", "0", str(self.button)]


class Keys:
    """Keys typed to whatever holds the focus; the scenario names the handlers they raise
    and the control that holds the focus afterwards."""

    def __init__(self, keys, raises, focus=None):
        self.keys, self.raises, self.new_focus = keys, raises, focus

    def handlers(self):
        return list(self.raises)

    def perform(self, s):
        if s.xdo("getwindowfocus").strip() != s.window:
            s.xdo("windowfocus", "--sync", s.window)
        s.xdo("key", "--delay", "20", *self.keys)
        if self.new_focus:
            s.focus = self.new_focus


class Covered:
    """Another X client's window over the given controls while the steps inside run."""

    def __init__(self, over, steps):
        self.over, self.steps = over, steps

    def handlers(self):
        return [h for step in self.steps for h in step.handlers()]

    def perform(self, s):
        rects = [s.layout[name] for name in self.over]
        left = min(c.x for c in rects) - 4
        top = min(c.y for c in rects) - 4
        right = max(c.x + c.w for c in rects) + 4
        bottom = max(c.y + c.h for c in rects) + 4
        geometry = f"{right - left}x{bottom - top}+{s.origin[0] + left}+{s.origin[1] + top}"
        before = s.screenshot()
        cover = subprocess.Popen(["xmessage", "-geometry", geometry, "-title", "e2e-cover",
                                  "covering the plots"], env=s.env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            s.xdo("search", "--sync", "--onlyvisible", "--name", "^e2e-cover$", timeout=30)
            # Nothing is learnt unless the plots really are hidden.
            deadline = time.monotonic() + SETTLE_TIMEOUT
            while all(s.screenshot().crop(c) == before.crop(c) for c in rects):
                if time.monotonic() > deadline:
                    raise Failure(f"the covering window never hid {', '.join(self.over)}")
                time.sleep(0.05)
            for step in self.steps:
                step.perform(s)
        finally:
            cover.terminate()
            cover.wait(timeout=10)


class Unmapped:
    """The program's own window unmapped and mapped again."""

    def handlers(self):
        return []

    def perform(self, s):
        s.xdo("windowunmap", "--sync", s.window)
        s.xdo("windowmap", "--sync", s.window)


class Check:
    """Compare the window with the replay here, and not only at the end. With alike, two
    plots of the same size must also show the same curve on the real screen."""

    def __init__(self, note, alike=None):
        self.note, self.alike = note, alike

    def handlers(self):
        return []

    def perform(self, s):
        pass


# Each scenario is a function of the start-up state (the replay's Form_Load line) that
# returns its steps; a Check compares at that point, and every scenario compares at its end.
SCENARIOS = {
    # The road of one exercise: the student reads a0, a1/2 and b1/2 from CALC, enters them
    # with the spinners so that the Simulate Wave matches the example, checks with ANS and
    # starts the next exercise with RESET.
    "exercise": lambda start: [
        Click("Command3"),
        Spin("Spin_a0", UP, int(start["ex_a"][0])),
        Spin("Spin_n", UP),
        Click("Command3"),
        Click("switch_s"),
        Click("Command3"),
        Spin("Spin_a1", UP, int(start["ex_a"][1])),
        Spin("Spin_b1", UP, int(start["ex_b"][1])),
        Click("Command4"),
        Check("answers shown, trial entered", alike=("campus_sim", "campus_ex")),
        Click("Command1"),
    ],
    # Every spinner pushed past both of its bounds.
    "bounds": lambda start: [
        Spin("Spin_lebel", UP, 4),
        Check("level 4"),
        Spin("Spin_lebel", DOWN, 4),
        Spin("Spin_k", DOWN, 5),
        Spin("Spin_n", UP, 5),
        Click("switch_s"),
        Check("level 1, k 10, n 4 sine"),
        Spin("Spin_k", UP, 5),
        Spin("Spin_n", DOWN, 5),
        Spin("Spin_a0", DOWN, 11),
        *[Spin(f"Spin_{c}", DOWN) for c in ("a1", "a2", "a3", "a4", "b1", "b2", "b3", "b4")],
        Check("k 50, n 0, a0 -10, the rest 0"),
        Spin("Spin_a0", UP, 21),
        *[Spin(f"Spin_{c}", UP, 11) for c in ("a1", "a2", "a3", "a4", "b1", "b2", "b3", "b4")],
    ],
    # Holding an arrow repeats it; held long enough it reaches the bound whatever the
    # exact number of repeats. Released, it stops: one click back stays one step back.
    # Slid off onto the other arrow before the first repeat, it raises nothing more.
    "hold": lambda start: [
        Hold("Spin_a2", UP, 2.5, presses=10),
        Spin("Spin_a2", DOWN),
        Check("a2 held up to 10, then one step down"),
        Hold("Spin_a0", DOWN, 2.5, presses=10),
        Spin("Spin_a0", UP),
        Check("a0 held down to -10, then one step up"),
        Hold("Spin_b3", UP, 1.5, presses=1, slide_off=True),
        Spin("Spin_b2", UP, 2),
    ],
    # A click gives a spin button the focus; Up and Down then spin it, and Tab moves on in
    # the tab order (Spin_a0 ... Spin_a4, Spin_b1 ... Spin_b4).
    "keyboard": lambda start: [
        Spin("Spin_a0", UP),
        Keys(["Up", "Up", "Up", "Down"], ["Spin_a0_SpinUp"] * 3 + ["Spin_a0_SpinDown"]),
        Check("a0 = 3 from the keyboard"),
        Keys(["Tab", "Up", "Up"], ["Spin_a1_SpinUp"] * 2, focus="Spin_a1"),
        Spin("Spin_n", DOWN),
        Keys(["Up", "Up", "Up", "Up", "Up"], ["Spin_n_SpinUp"] * 5),
        Spin("Spin_b4", UP),
        Keys(["Shift+Tab", "Down", "Up"], ["Spin_b3_SpinDown", "Spin_b3_SpinUp"],
             focus="Spin_b3"),
    ],
    # Clicks that raise nothing: plots and labels take none, and neither the middle nor the
    # right mouse button works a control. Where the blank labels Label7 and Label9 lie over
    # CALC and "cos", the buttons take the click.
    "stray": lambda start: [
        *[Stray(name) for name in ("campus_ex", "campus_graph", "campus_a(2)", "Label27",
                                   "value_a(0)", "y_axis")],
        Stray("Spin_a0", 3, UP), Stray("Spin_k", 2, DOWN), Stray("Spin_lebel", 3, UP),
        Stray("Command1", 3), Stray("Command4", 2), Stray("Command3", 3),
        Check("nothing raised"),
        Through("Command3", "Label7"),
        Check("CALC through Label7"),
        Through("switch_c", "Label9"),
    ],
    # Plots hidden by another window, redrawn while hidden, and uncovered; then the whole
    # window unmapped and mapped again.
    "cover": lambda start: [
        Covered(["campus_sim", "campus_ex", "campus_ess"], [
            Spin("Spin_lebel", UP),
            Spin("Spin_b4", UP, 3),
        ]),
        Check("uncovered"),
        Spin("Spin_a3", UP, 2),
        Unmapped(),
    ],
}


# ----------------------------------------------------------------------------------------
# The replay and the comparison.

def run_replay(args, lines, workdir):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen",
               XDG_RUNTIME_DIR=os.path.join(workdir, "runtime"))
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    done = subprocess.run([args.replay], input="\n".join(lines) + "\n", env=env,
                          capture_output=True, text=True, timeout=300)
    if done.returncode != 0:
        raise Failure(f"quorvel-replay failed ({done.returncode}): {done.stderr.strip()}")
    states = [json.loads(line) for line in done.stdout.splitlines()]
    faults = [st for st in states if "fault" in st]
    if faults:
        raise Failure(f"the replay reports a runtime fault: {faults[0]['event']}: "
                      f"{faults[0]['fault']}")
    return states


def stem_of(out_dir, label):
    return os.path.join(out_dir, re.sub(r"[^A-Za-z0-9]+", "_", label).strip("_"))


def compare(s, expected, label, out_dir):
    """Waits until the window shows the expected image (all but the focused control);
    on time-out keeps the images and fails naming the controls that differ."""
    mask = [s.layout[s.focus]] if s.focus else []
    want = expected.masked(mask)
    deadline = time.monotonic() + SETTLE_TIMEOUT
    while True:
        s.alive()
        real = s.screenshot()
        if (real.width, real.height) != (expected.width, expected.height):
            raise Failure(f"{label}: the window's client area is {real.width}x{real.height}, "
                          f"the replay's {expected.width}x{expected.height}")
        if real.masked(mask) == want:
            time.sleep(0.2)  # and it stays so
            real = s.screenshot()
            if real.masked(mask) == want:
                if s.args.keep_images:
                    stem = stem_of(out_dir, label)
                    write_png(real, stem + "-real.png")
                    write_png(expected, stem + "-replay.png")
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
    write_png(real, stem + "-real.png")
    write_png(expected, stem + "-replay.png")
    subprocess.run(["compare", stem + "-real.png", stem + "-replay.png", stem + "-diff.png"],
                   capture_output=True)
    raise Failure(f"{label}: {len(diff)} pixels differ from the replay; "
                  f"differing surfaces: {', '.join(surfaces) or 'none'}; "
                  f"other controls over them: {', '.join(others) or 'none'}; "
                  f"images in {stem}-*.png")


def same_curve(image, a, b):
    """Two plots show the same curve when they differ at most in the colour of one row,
    the zero axis (black on the example, green on the trial wave)."""
    one, other = image.crop(a), image.crop(b)
    rows = {i // (a.w * 3) for i in range(0, len(one), 3) if one[i:i + 3] != other[i:i + 3]}
    if (a.w, a.h) != (b.w, b.h) or len(rows) > 1:
        raise Failure(f"{a.name} and {b.name} do not show the same curve "
                      f"({len(rows)} rows differ)")
    print(f"  {a.name} shows the curve of {b.name}")


def run_steps(args, steps, out_dir, desktop=None):
    """Replays the steps' handlers with a snapshot at every Check, then performs the steps
    on the real window and compares at the same Checks. The last step must be a Check.
    desktop: a function of the work folder giving the variables of the desktop the real
    window starts on."""
    assert isinstance(steps[-1], Check)
    os.makedirs(out_dir, exist_ok=True)
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work:
        lines, snaps = [], []
        for step in steps:
            lines += step.handlers()
            if isinstance(step, Check):
                snaps.append(os.path.join(work, f"snap{len(snaps)}.png"))
                lines.append(f"snap {snaps[-1]}")
        states = run_replay(args, lines, work)
        print(f"  replayed {len(states) - 1} events")
        expected = iter([read_png(p) for p in snaps])

        with x_server(os.path.join(work, "xvfb.log")) as display:
            s = Session(args, display, work, desktop(work) if desktop else None)
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


def scenario(args):
    name = args.name
    if name not in SCENARIOS:
        raise Failure(f"no scenario {name!r}; there are {', '.join(SCENARIOS)}")
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work:
        start = run_replay(args, [], work)[0]
    steps = SCENARIOS[name](start) + [Check("end")]
    print(f"scenario {name}: {sum(len(st.handlers()) for st in steps)} events")
    run_steps(args, steps, os.path.join(args.out, name))


# ----------------------------------------------------------------------------------------
# Dark desktops. The window keeps its own light look under any of them: what it shows is
# compared, pixel for pixel, with the replay, which draws on no desktop at all.

KDE_DARK_COLOURS = """\
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=239,240,241
[Colors:Tooltip]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
"""


@dataclass
class Desktop:
    """The variables and the files of the user's configuration that make a desktop dark;
    what a plain Qt program shows there ("dark": a dark window colour; otherwise the name
    of its style), so that a setting that no longer takes hold fails instead of passing
    unseen; and the package it needs."""
    variables: dict
    files: dict
    takes_hold: str
    package: str = ""


GTK_THEME = "qt6-gtk-platformtheme"

THEMES = {
    # GNOME with Qt's GTK platform theme, dark by the theme's name ...
    "gtk-variable": Desktop({"XDG_CURRENT_DESKTOP": "GNOME", "GTK_THEME": "Adwaita:dark"}, {},
                            "dark", GTK_THEME),
    # ... or by the user's preference in GTK's settings.
    "gtk-settings": Desktop({"XDG_CURRENT_DESKTOP": "GNOME"},
                            {".config/gtk-3.0/settings.ini":
                             "[Settings]\ngtk-application-prefer-dark-theme=1\n"}, "dark",
                            GTK_THEME),
    # Plasma's colour scheme, read by Qt's own KDE theme.
    "kde": Desktop({"XDG_CURRENT_DESKTOP": "KDE", "KDE_SESSION_VERSION": "5"},
                   {".config/kdeglobals": KDE_DARK_COLOURS}, "dark"),
    # qt6ct: Fusion with a dark palette of its own.
    "qt6ct": Desktop({"QT_QPA_PLATFORMTHEME": "qt6ct"},
                     {".config/qt6ct/qt6ct.conf":
                      "[Appearance]\ncustom_palette=true\nstyle=Fusion\n"
                      "color_scheme_path=/usr/share/qt6ct/colors/darker.conf\n"}, "dark", "qt6ct"),
    # Another style asked for by the environment.
    "style-variable": Desktop({"QT_STYLE_OVERRIDE": "Windows"}, {}, "windows"),
}


def desktop_in(work, desktop):
    """The desktop's variables, with a home of its own holding its configuration files."""
    home = os.path.join(work, "home")
    for path, text in desktop.files.items():
        os.makedirs(os.path.dirname(os.path.join(home, path)), exist_ok=True)
        with open(os.path.join(home, path), "w") as f:
            f.write(text)
    return dict(desktop.variables, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"))


def probe_desktop(args, display, variables, work):
    """What a plain Qt program gets from this desktop: its colours and its style."""
    runtime = os.path.join(work, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env = dict(x_client_env(display, runtime), **variables)
    out = subprocess.run([args.palette_probe], env=env, capture_output=True, text=True,
                         timeout=60, check=True).stdout.split()
    return dict(zip(out[::2], out[1::2]))


def lightness(hex_colour):
    r, g, b = (int(hex_colour[i:i + 2], 16) for i in (1, 3, 5))
    return (max(r, g, b) + min(r, g, b)) / 2 / 255


def theme(args):
    name = args.name
    if name not in THEMES:
        raise Failure(f"no theme {name!r}; there are {', '.join(THEMES)}")
    desktop = THEMES[name]
    # The first steps of an exercise, so that the mean, a trial number and the answers
    # show too.
    steps = [
        Check("at start"),
        Click("Command3"),
        Spin("Spin_a0", UP, 2),
        Click("Command4"),
        Check("mean, a0 and answers shown"),
    ]
    with tempfile.TemporaryDirectory(prefix="quorvel-e2e-") as work:
        variables = desktop_in(work, desktop)
        with x_server(os.path.join(work, "xvfb.log")) as display:
            probe = probe_desktop(args, display, variables, work)
        print(f"theme {name}: a plain Qt program gets {probe}")
        took_hold = (lightness(probe["window"]) < 0.5 if desktop.takes_hold == "dark"
                     else probe["style"] == desktop.takes_hold)
        if not took_hold:
            needs = f" (scripts/setup.sh installs {desktop.package})" if desktop.package else ""
            raise Failure(f"the {name} setting does not give a Qt program its "
                          f"{desktop.takes_hold} look{needs}: {probe}")
        run_steps(args, steps, os.path.join(args.out, f"theme-{name}"),
                  desktop=lambda session_work: desktop_in(session_work, desktop))


# ----------------------------------------------------------------------------------------
# The random soak on the real window.

SOAK_SPINNERS = ["Spin_a0", "Spin_a1", "Spin_a2", "Spin_a3", "Spin_a4", "Spin_b1", "Spin_b2",
                 "Spin_b3", "Spin_b4", "Spin_n", "Spin_k", "Spin_lebel"]
SOAK_BUTTONS = ["switch_c", "switch_s", "Command1", "Command2", "Command3", "Command4"]


def soak_steps(rng, clicks, batch):
    choices = [(n, up) for n in SOAK_SPINNERS for up in (UP, DOWN)] + \
              [(n, None) for n in SOAK_BUTTONS]
    steps = []
    for i in range(clicks):
        name, up = rng.choice(choices)
        steps.append(Click(name) if up is None else Spin(name, up))
        if (i + 1) % batch == 0 or i + 1 == clicks:
            steps.append(Check(f"soak after {i + 1} clicks"))
    return steps


class Batch:
    """Many clicks in one xdotool run, as fast as the X server takes them."""

    def __init__(self, steps):
        self.steps = steps

    def handlers(self):
        return [h for step in self.steps for h in step.handlers()]

    def perform(self, s):
        args = []
        for step in self.steps:
            args += step.xdo_args(s)
        s.xdo(*args, "mousemove", "0", "0")


def soak(args):
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(1 << 31)
    print(f"soak: {args.clicks} clicks in batches of {args.batch}, seed {seed} "
          f"(rerun with --seed {seed})")
    clicks = soak_steps(random.Random(seed), args.clicks, args.batch)
    # The clicks between two checks go out as one batch; the comparison after it also
    # waits for the window to catch up.
    steps, pending = [], []
    for step in clicks:
        if isinstance(step, Check):
            steps += [Batch(pending), step]
            pending = []
        else:
            pending.append(step)
    run_steps(args, steps, os.path.join(args.out, "soak"))


# ----------------------------------------------------------------------------------------
# A long replay under valgrind memcheck.

def memcheck(args):
    if shutil.which("valgrind") is None:
        print("SKIP: valgrind is not installed")
        return SKIP
    rng = random.Random(args.seed if args.seed is not None else 1)
    names = [f"{n}_Spin{d}" for n in SOAK_SPINNERS for d in ("Up", "Down")] + \
            [f"{n}_Click" for n in SOAK_BUTTONS]
    out_dir = os.path.join(args.out, "memcheck")
    os.makedirs(out_dir, exist_ok=True)
    lines = []
    for i in range(args.events):
        lines.append(rng.choice(names))
        if i in (args.events // 2, args.events - 1):
            lines.append(f"snap {os.path.join(out_dir, f'snap{i + 1}.png')}")
    log = os.path.join(out_dir, "memcheck.log")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    command = ["valgrind", "--error-exitcode=1", "--leak-check=full",
               "--errors-for-leak-kinds=definite", f"--log-file={log}", args.replay]
    print(f"memcheck: {args.events} events through quorvel-replay")
    done = subprocess.run(command, input="\n".join(lines) + "\n", env=env,
                          capture_output=True, text=True, timeout=1200)
    with open(log) as f:
        report = f.read()
    for line in report.splitlines():
        if any(k in line for k in ("ERROR SUMMARY", "definitely lost", "indirectly lost",
                                    "possibly lost", "still reachable", "suppressed:",
                                    "in use at exit", "total heap usage")):
            print("  " + line.split("== ", 1)[-1])
    states = done.stdout.splitlines()
    if done.returncode != 0:
        raise Failure(f"status {done.returncode}: valgrind found errors or definite leaks, "
                      f"or the replay failed; see {log}\n{done.stderr.strip()[-2000:]}")
    if len(states) != args.events + 1:
        raise Failure(f"the replay printed {len(states)} lines for {args.events} events")
    faults = [line for line in states if '"fault"' in line]
    if faults:
        raise Failure(f"the replay reports a runtime fault: {faults[0]}")
    return 0


# ----------------------------------------------------------------------------------------

def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--quorvel", required=True)
    parser.add_argument("--replay", required=True)
    parser.add_argument("--layout", required=True, help="the quorvel-e2e-layout program")
    parser.add_argument("--palette-probe", help="the quorvel-e2e-palette program (theme)")
    parser.add_argument("--out", required=True, help="where images are kept on failure")
    parser.add_argument("--keep-images", action="store_true",
                        help="keep the images of every comparison, passed or not")
    sub = parser.add_subparsers(dest="command", required=True)
    one = sub.add_parser("scenario")
    one.add_argument("name")
    many = sub.add_parser("soak")
    many.add_argument("--clicks", type=int, default=3000)
    many.add_argument("--batch", type=int, default=150)
    many.add_argument("--seed", type=int)
    dark = sub.add_parser("theme")
    dark.add_argument("name")
    mem = sub.add_parser("memcheck")
    mem.add_argument("--events", type=int, default=400)
    mem.add_argument("--seed", type=int)
    args = parser.parse_args()

    try:
        if args.command == "memcheck":
            return memcheck(args)
        if shutil.which("Xvfb") is None:
            print("SKIP: Xvfb is not installed (scripts/setup.sh installs it)")
            return SKIP
        missing = [t for t in ("xdotool", "import", "convert", "compare", "xmessage")
                   if shutil.which(t) is None]
        if missing:
            raise Failure(f"missing tools: {', '.join(missing)} (scripts/setup.sh installs "
                          f"xdotool, x11-utils and imagemagick)")
        if args.command == "scenario":
            scenario(args)
        elif args.command == "theme":
            theme(args)
        else:
            soak(args)
    except (Failure, subprocess.CalledProcessError, subprocess.TimeoutExpired) as e:
        print(f"FAIL: {e}")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
